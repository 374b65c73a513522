#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class QFile;

// Hands out a file's lines without their LF, holding no more than a block and
// the head of one line in memory however large the file is. A line longer
// than the head keeps its head and the last non-blank byte of its rest (up to
// any NUL): room for any key and the start of its value, and for a closing
// quote, the only part of the rest that can matter.
class LineReader final
{
public:
    explicit LineReader(QFile &file);

    // The view stays valid until the next call. After a read error there are
    // no more lines, not even the part of one read before it.
    std::optional<QByteArrayView> next();

private:
    bool readBlock();
    QByteArrayView overlongLine();

    QFile &m_file;
    QByteArray m_buffer;
    qsizetype m_lineStart = 0;
    QByteArray m_overlong;
    bool m_failed = false;
};
