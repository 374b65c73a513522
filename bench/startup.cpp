// Starts a program and watches the screen from outside it, as a user would:
//   bench_startup RRGGBB -- PROGRAM [ARGUMENTS...]
// prints "FIRST SHOWN PSS UNIQUE PROCESSES": milliseconds from exec to the
// first changed pixel on the screen and to the page's colour being shown;
// then, for the program with every helper process it started, the sum of
// their proportional set sizes and their resident pages counted once (KiB,
// -1 when unreadable), and how many processes that is. The program is ended
// afterwards and the screen is left as it was found.
#include "ProcessTree.h"
#include "ScreenSampler.h"
#include "TreeMemory.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#include <cstdio>
#include <optional>

namespace {

// How long the page's colour is watched after it first shows, so that its
// full extent (and the program's memory after showing it) is reached.
constexpr qint64 kSettleMs = 1500;
constexpr qint64 kTimeoutMs = 20'000;
constexpr int kEndGraceMs = 5000;
constexpr int kPollGapMs = 2;
// The page counts as shown once this share of its final extent is painted.
constexpr double kShownShare = 0.9;

struct Sample
{
    qint64 ns;
    qsizetype matching;
};

int fail(const char *message)
{
    std::fprintf(stderr, "bench_startup: %s\n", message);
    return 1;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

std::optional<QRgb> parseColour(const char *text)
{
    bool ok = false;
    const QString hex = QString::fromLatin1(text);
    const uint rgb = hex.toUInt(&ok, 16);
    if (!ok || hex.size() != 6)
        return std::nullopt;
    return qRgb(int(rgb >> 16), int((rgb >> 8) & 0xff), int(rgb & 0xff));
}

bool screenAsBefore(ScreenSampler &sampler)
{
    const std::optional<ScreenSampler::Counts> counts = sampler.look();
    return counts && counts->changed == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::optional<QRgb> colour = argc > 1 ? parseColour(argv[1]) : std::nullopt;
    if (argc < 4 || !colour || QByteArrayView(argv[2]) != "--")
        return fail("usage: bench_startup RRGGBB -- PROGRAM [ARGUMENTS...]");
    QStringList command;
    for (int i = 3; i < argc; ++i)
        command.append(QString::fromLocal8Bit(argv[i]));
    if (!ProcessTree::adoptOrphans())
        return fail("cannot become the reaper of the program's helpers");
    ScreenSampler sampler(*colour);
    if (!sampler.isValid())
        return fail("cannot read the screen of $DISPLAY through shared memory");
    sampler.takeReference();

    QElapsedTimer clock;
    clock.start();
    const pid_t pid = ProcessTree::start(command);
    if (pid < 0)
        return fail("cannot start the program");

    std::optional<qint64> firstChange;
    std::optional<qint64> firstMatch;
    QList<Sample> samples;
    const char *error = nullptr;
    for (;;) {
        const qint64 now = clock.nsecsElapsed();
        const std::optional<ScreenSampler::Counts> counts = sampler.look();
        if (!counts) {
            error = "cannot read the screen";
            break;
        }
        if (!firstChange && counts->changed > 0)
            firstChange = now;
        if (!firstMatch && counts->matching > 0)
            firstMatch = now;
        samples.append({now, counts->matching});
        if (firstMatch && now - *firstMatch >= kSettleMs * 1'000'000)
            break;
        if (now >= kTimeoutMs * 1'000'000) {
            error = "the page's colour never showed on the screen";
            break;
        }
        if (!ProcessTree::running(pid)) {
            error = "the program ended before showing the page";
            break;
        }
        QThread::msleep(kPollGapMs);
    }

    const QList<pid_t> processes = ProcessTree::descendants();
    const qint64 pss = TreeMemory::pssKiB(processes);
    const qint64 unique = TreeMemory::uniqueResidentKiB(processes);
    ProcessTree::end(pid, kEndGraceMs);
    // The next run compares against the screen as it was before this one.
    const QDeadlineTimer cleared(kTimeoutMs);
    while (!screenAsBefore(sampler) && !cleared.hasExpired())
        QThread::msleep(20);
    if (error)
        return fail(error);
    if (!screenAsBefore(sampler))
        return fail("the screen did not return to its picture from before the run");
    if (!firstChange)
        return fail("the page's colour was on the screen before the program started");

    const qsizetype extent = samples.last().matching;
    if (extent == 0)
        return fail("the page's colour showed and went away again");
    qint64 shown = samples.last().ns;
    for (const Sample &sample : samples) {
        if (double(sample.matching) >= kShownShare * double(extent)) {
            shown = sample.ns;
            break;
        }
    }
    std::printf("%.1f %.1f %lld %lld %lld\n", ms(*firstChange), ms(shown), pss, unique,
                qlonglong(processes.size()));
    return 0;
}
