#include "GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kGbkName[] = "GBK";

bool EndsInLoneLeadByte(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() - 1)
        i += IsGbkLeadByte(bytes[i]) ? 2 : 1;
    return i == bytes.size() - 1 && IsGbkLeadByte(bytes[i]);
}

} // namespace

QString FromGbk(QByteArrayView bytes)
{
    QStringDecoder decoder(kGbkName, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    // The decoder drops an unfinished last character without a trace.
    if (EndsInLoneLeadByte(bytes))
        text += QChar::ReplacementCharacter;
    return text;
}

std::optional<QByteArray> ToGbk(QStringView text)
{
    QStringEncoder encoder(kGbkName, QStringConverter::Flag::Stateless);
    // A Qt built without the GBK codec would otherwise yield empty bytes for any text.
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
