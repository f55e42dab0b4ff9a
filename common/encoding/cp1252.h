// Windows-1252, the code page of the stored text files. All 256 byte values decode; the
// five that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the
// control character of the same number, so that every byte round-trips.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>

namespace Cp1252 {

QChar toUnicode(uchar byte);
// The byte for a character, or nullopt when the code page has none.
std::optional<uchar> fromUnicode(QChar c);

QString decode(const QByteArray &bytes);
// nullopt when any character has no byte.
std::optional<QByteArray> encode(QStringView text);
bool canEncode(QStringView text);

} // namespace Cp1252
