#include "CourseLinkFile.h"

#include "AppPath.h"
#include "GbkText.h"
#include "LineReader.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace {

enum class Encoding { Gbk, Utf8 };

// The original program's value buffer held 2047 bytes and a NUL.
constexpr qsizetype kMaxValueBytes = 2047;
constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// The CR of a CRLF line end is trimmed along with the blanks.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArrayView TrimmedEnd(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

QByteArrayView TrimmedStart(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    return text;
}

QByteArrayView Trimmed(QByteArrayView text)
{
    return TrimmedEnd(TrimmedStart(text));
}

// A GBK trail byte may look like ASCII; scans step over whole characters.
// UTF-8 needs no stepping: its multi-byte sequences hold no ASCII bytes.
qsizetype CharLength(char first, Encoding encoding)
{
    return encoding == Encoding::Gbk && IsGbkLeadByte(first) ? 2 : 1;
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether byte `at` is the second byte of a double-byte character.
bool IsTrailByte(QByteArrayView text, qsizetype at, Encoding encoding)
{
    qsizetype i = 0;
    while (i < at)
        i += CharLength(text[i], encoding);
    return i > at;
}

// Compares names without regard to the case of ASCII letters. Only
// single-byte letters fold: folding a trail byte would turn one double-byte
// character into another. Every key line meets it, so a name without letters
// costs one memcmp.
class NameMatcher
{
public:
    NameMatcher(QByteArrayView name, Encoding encoding)
        : m_name(name), m_encoding(encoding),
          m_hasLetters(std::any_of(name.begin(), name.end(), IsAsciiLetter))
    {
    }

    bool matches(QByteArrayView other) const
    {
        if (other.size() != m_name.size())
            return false;
        if (std::memcmp(other.data(), m_name.data(), m_name.size()) == 0)
            return true;
        if (!m_hasLetters)
            return false;
        for (qsizetype i = 0; i < m_name.size(); ++i) {
            if (other[i] != m_name[i]
                && (FoldAscii(other[i]) != FoldAscii(m_name[i]) || IsTrailByte(m_name, i, m_encoding)))
                return false;
        }
        return true;
    }

private:
    QByteArrayView m_name;
    Encoding m_encoding;
    bool m_hasLetters;
};

// The name of a "[name]" line; no value for other lines, one without ']' included.
std::optional<QByteArrayView> SectionName(QByteArrayView line, Encoding encoding)
{
    if (!line.startsWith('['))
        return std::nullopt;
    for (qsizetype i = 1; i < line.size(); i += CharLength(line[i], encoding)) {
        if (line[i] == ']')
            return Trimmed(line.sliced(1, i - 1));
    }
    return std::nullopt;
}

QByteArrayView Unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// Cuts at a character boundary, where the original could split a character.
QByteArrayView CutToLimit(QByteArrayView value, Encoding encoding)
{
    if (value.size() <= kMaxValueBytes)
        return value;
    qsizetype end = 0;
    if (encoding == Encoding::Gbk) {
        while (end + CharLength(value[end], encoding) <= kMaxValueBytes)
            end += CharLength(value[end], encoding);
    } else {
        end = kMaxValueBytes;
        const auto isContinuation = [](char c) { return (uchar(c) & 0xC0) == 0x80; };
        // A UTF-8 sequence has at most three continuation bytes.
        for (int i = 0; i < 3 && isContinuation(value[end]); ++i)
            --end;
    }
    return value.first(end);
}

// A NUL byte ends the text of its line, as it would end a C string; no NUL
// may reach the desktop's opener.
QByteArrayView UpToNul(QByteArrayView line)
{
    const qsizetype nul = line.indexOf('\0');
    return nul >= 0 ? line.first(nul) : line;
}

std::optional<QByteArray> Encoded(QStringView text, Encoding encoding)
{
    if (encoding == Encoding::Gbk)
        return ToGbk(text);
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

QString Decoded(QByteArrayView bytes, Encoding encoding)
{
    return encoding == Encoding::Gbk ? FromGbk(bytes) : QString::fromUtf8(bytes);
}

} // namespace

QString ReadCourseLink(const QString &filePath, const QString &caption)
{
    // A FIFO or device could block or never end, and a folder holds no text.
    if (!QFileInfo(filePath).isFile())
        return {};
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};

    LineReader lines(file);
    std::optional<QByteArrayView> line = lines.next();
    Encoding encoding = Encoding::Gbk;
    if (line && line->startsWith(kUtf8Bom)) {
        encoding = Encoding::Utf8;
        line = line->sliced(kUtf8Bom.size());
    }
    const std::optional<QByteArray> encodedCaption = Encoded(caption, encoding);
    if (!encodedCaption)
        return {};
    // Keys are trimmed, so the caption is too, or it could never match.
    const QByteArrayView key = Trimmed(*encodedCaption);
    if (key.isEmpty())
        return {};
    const NameMatcher wantedKey(key, encoding);
    const NameMatcher wantedSection("kc", encoding);

    bool inSection = false;
    for (; line; line = lines.next()) {
        const QByteArrayView text = TrimmedStart(UpToNul(*line));
        if (const auto section = SectionName(text, encoding)) {
            // Only the first "kc" section counts.
            if (inSection)
                return {};
            inSection = wantedSection.matches(*section);
            continue;
        }
        const qsizetype equals = text.indexOf('=');
        if (!inSection || equals < 0 || !wantedKey.matches(TrimmedEnd(text.first(equals))))
            continue;
        const QByteArrayView value = Unquoted(Trimmed(text.sliced(equals + 1)));
        return Decoded(CutToLimit(value, encoding), encoding);
    }
    return {};
}

QString LookupCourseLink(const QString &caption)
{
    return ReadCourseLink(GetAppPath() + QStringLiteral("kc.dll"), caption);
}
