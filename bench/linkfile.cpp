// Times the lookup of one caption in generated course link files of 1 MiB and
// 100 MiB, with the caption near the end, against the floor of any lookup:
// reading the same bytes and finding the key's line with a plain byte search.
//   bench_linkfile FOLDER
// writes the files into FOLDER and prints one line per case,
//   "CASE SIZE_MIB PROGRAM_MEDIAN_MS BASELINE_MEDIAN_MS",
// where CASE is "warm" (file in the page cache) or "cold" (evicted first).
#include "CourseLinkFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>

namespace {

constexpr qint64 kMiB = 1 << 20;
constexpr qint64 kBlock = kMiB;
// The looked-up caption lies this many keys before the end.
constexpr qint64 kFromEnd = 10;

QString caption(qint64 index)
{
    return QStringLiteral("证券市场基础知识第%1讲视频精讲").arg(index, 7, 10, QLatin1Char('0'));
}

QString address(qint64 index)
{
    return QStringLiteral("http://www.merovista.example/course/play.php?id=%1&type=video").arg(index, 7, 10, QLatin1Char('0'));
}

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

QByteArray line(qint64 index)
{
    return gbk(caption(index)) + '=' + address(index).toLatin1() + "\r\n";
}

// A [kc] section of as many keys as fit in `bytes`; returns the key count.
qint64 writeLinkFile(const QString &path, qint64 bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write("[kc]\r\n");
    const qint64 keys = bytes / line(0).size();
    QByteArray block;
    for (qint64 i = 0; i < keys; ++i) {
        block += line(i);
        if (block.size() >= kBlock || i + 1 == keys) {
            file.write(block);
            block.clear();
        }
    }
    return file.error() == QFileDevice::NoError ? keys : 0;
}

// The floor: the file's bytes read in blocks and searched for "\nKEY=".
bool plainScan(const QString &path, const QByteArray &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray needle = '\n' + key + '=';
    QByteArray window;
    for (;;) {
        const QByteArray block = file.read(kBlock);
        if (block.isEmpty())
            return false;
        window = window.right(needle.size() - 1) + block;
        if (window.contains(needle))
            return true;
    }
}

void evict(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

struct Case
{
    qint64 megabytes;
    bool cold;
    int runs;
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_linkfile FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QList<Case> cases{{1, false, 21}, {100, false, 5}, {100, true, 3}};
    for (const Case &c : cases) {
        const QString path = folder.filePath(QStringLiteral("kc-%1mb.dll").arg(c.megabytes));
        const qint64 keys = QFile::exists(path) ? QFileInfo(path).size() / line(0).size()
                                                : writeLinkFile(path, c.megabytes * kMiB);
        if (keys <= kFromEnd) {
            std::fprintf(stderr, "bench_linkfile: cannot write %s\n", qPrintable(path));
            return 1;
        }
        const qint64 wanted = keys - kFromEnd;
        const QString expected = address(wanted);
        const QByteArray key = gbk(caption(wanted));

        QList<double> program;
        QList<double> baseline;
        // An uncounted first round brings the file into the page cache.
        for (int run = c.cold ? 1 : 0; run <= c.runs; ++run) {
            QString found;
            if (c.cold)
                evict(path);
            const double p = timeMs([&] { found = ReadCourseLink(path, caption(wanted)); });
            if (found != expected) {
                std::fprintf(stderr, "bench_linkfile: the reader found \"%s\" instead of \"%s\"\n",
                             qPrintable(found), qPrintable(expected));
                return 1;
            }
            bool scanned = false;
            if (c.cold)
                evict(path);
            const double b = timeMs([&] { scanned = plainScan(path, key); });
            if (!scanned) {
                std::fprintf(stderr, "bench_linkfile: the plain scan missed the key\n");
                return 1;
            }
            if (run > 0) {
                program.append(p);
                baseline.append(b);
            }
        }
        std::printf("%s %.2f %.3f %.3f\n", c.cold ? "cold" : "warm", double(QFileInfo(path).size()) / double(kMiB),
                    median(program), median(baseline));
    }
    return 0;
}
