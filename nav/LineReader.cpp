#include "LineReader.h"

#include <QFile>

#include <cstring>
#include <utility>

namespace {

constexpr qsizetype BlockSize = 1 << 20;
constexpr qsizetype LineHeadSize = 1 << 20;

// The CR of a CRLF line end counts as a blank.
QByteArrayView trimmedEnd(QByteArrayView text)
{
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.chop(1);
    return text;
}

} // namespace

LineReader::LineReader(QFile &file)
    : m_file(file)
{
}

std::optional<QByteArrayView> LineReader::next()
{
    if (m_failed)
        return std::nullopt;
    qsizetype searchFrom = m_lineStart;
    for (;;) {
        const qsizetype end = QByteArrayView(m_buffer).indexOf('\n', searchFrom);
        if (end >= 0) {
            const qsizetype start = std::exchange(m_lineStart, end + 1);
            return QByteArrayView(m_buffer).sliced(start, end - start);
        }
        if (m_buffer.size() - m_lineStart > LineHeadSize)
            return overlongLine();
        const qsizetype kept = m_buffer.size() - m_lineStart;
        std::memmove(m_buffer.data(), m_buffer.constData() + m_lineStart, kept);
        m_buffer.truncate(kept);
        m_lineStart = 0;
        searchFrom = kept;
        if (!readBlock())
            break;
    }
    if (m_failed || m_buffer.isEmpty())
        return std::nullopt;
    m_lineStart = m_buffer.size();
    return QByteArrayView(m_buffer);
}

bool LineReader::readBlock()
{
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + BlockSize);
    const qint64 got = m_file.read(m_buffer.data() + kept, BlockSize);
    m_buffer.truncate(kept + qMax<qint64>(got, 0));
    m_failed = got < 0;
    return got > 0;
}

QByteArrayView LineReader::overlongLine()
{
    m_overlong = m_buffer.sliced(m_lineStart, LineHeadSize);
    std::optional<char> lastNonBlank;
    bool afterNul = false;
    qsizetype from = m_lineStart + LineHeadSize;
    for (;;) {
        const QByteArrayView rest = QByteArrayView(m_buffer).sliced(from);
        const qsizetype end = rest.indexOf('\n');
        QByteArrayView part = end >= 0 ? rest.first(end) : rest;
        if (!afterNul) {
            const qsizetype nul = part.indexOf('\0');
            afterNul = nul >= 0;
            part = trimmedEnd(afterNul ? part.first(nul) : part);
            if (!part.isEmpty())
                lastNonBlank = part.back();
        }
        if (end >= 0) {
            m_lineStart = from + end + 1;
            break;
        }
        m_buffer.truncate(0);
        m_lineStart = from = 0;
        if (!readBlock())
            break;
    }
    if (m_failed)
        return {};
    if (lastNonBlank)
        m_overlong.append(*lastNonBlank);
    return m_overlong;
}
