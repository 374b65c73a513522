#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// GBK is the code page the course link file was written in by the original
// Windows program; all GBK text passes through here.

// A byte that opens a double-byte character. Its trail byte may be 0x40-0x7E,
// which looks like ASCII, so byte scans must step over whole characters.
constexpr bool IsGbkLeadByte(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x81 && b <= 0xFE;
}

// Invalid bytes become U+FFFD, including a lead byte left without its trail byte.
QString FromGbk(QByteArrayView bytes);

// No value when any character has no GBK form: a stand-in such as '?' could
// make different texts compare equal.
std::optional<QByteArray> ToGbk(QStringView text);
