#include "TreeMemory.h"

#include <QFile>
#include <QSet>

#include <optional>
#include <unistd.h>
#include <vector>

namespace {

constexpr quint64 kPresent = quint64(1) << 63;
constexpr quint64 kFrameMask = (quint64(1) << 55) - 1;
constexpr qint64 kEntriesPerRead = 1 << 16;

struct Range
{
    quint64 start;
    quint64 end;
};

// The mappings that hold any resident page; the rest (address space that
// the engine only reserves) would cost reading for nothing.
QList<Range> residentRanges(pid_t pid)
{
    QFile file(QStringLiteral("/proc/%1/smaps").arg(pid));
    QList<Range> ranges;
    if (!file.open(QIODevice::ReadOnly))
        return ranges;
    std::optional<Range> current;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype dash = line.indexOf('-');
        const qsizetype space = line.indexOf(' ');
        bool isStart = false;
        bool isEnd = false;
        const quint64 start = dash > 0 && dash < space ? line.first(dash).toULongLong(&isStart, 16) : 0;
        const quint64 end = isStart ? line.sliced(dash + 1, space - dash - 1).toULongLong(&isEnd, 16) : 0;
        if (isStart && isEnd) {
            current = Range{start, end};
        } else if (current && line.startsWith("Rss:")) {
            if (line.sliced(4).trimmed().split(' ').first().toLongLong() > 0)
                ranges.append(*current);
            current.reset();
        }
    }
    return ranges;
}

} // namespace

namespace TreeMemory {

qint64 pssKiB(const QList<pid_t> &processes)
{
    qint64 total = 0;
    for (const pid_t pid : processes) {
        QFile file(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line.startsWith("Pss:"))
                total += line.sliced(4).trimmed().split(' ').first().toLongLong();
        }
    }
    return total;
}

qint64 uniqueResidentKiB(const QList<pid_t> &processes)
{
    const quint64 pageSize = quint64(sysconf(_SC_PAGESIZE));
    QSet<quint64> frames;
    std::vector<quint64> entries(kEntriesPerRead);
    for (const pid_t pid : processes) {
        QFile pagemap(QStringLiteral("/proc/%1/pagemap").arg(pid));
        if (!pagemap.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        const QList<Range> ranges = residentRanges(pid);
        for (const Range &range : ranges) {
            for (quint64 page = range.start / pageSize; page < range.end / pageSize; page += kEntriesPerRead) {
                const quint64 wanted = qMin<quint64>(kEntriesPerRead, range.end / pageSize - page);
                if (!pagemap.seek(qint64(page * sizeof(quint64))))
                    break;
                const qint64 got = pagemap.read(reinterpret_cast<char *>(entries.data()),
                                                qint64(wanted * sizeof(quint64)));
                for (qint64 i = 0; i < got / qint64(sizeof(quint64)); ++i) {
                    if (!(entries[size_t(i)] & kPresent))
                        continue;
                    // Without the capability every frame number reads as 0.
                    const quint64 frame = entries[size_t(i)] & kFrameMask;
                    if (frame == 0)
                        return -1;
                    frames.insert(frame);
                }
            }
        }
    }
    return qint64(frames.size()) * qint64(pageSize) / 1024;
}

} // namespace TreeMemory
