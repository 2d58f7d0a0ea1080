#pragma once
// Windows-1252, the single-byte character set of the record file and of the
// RTF documents the program writes. Qt 6 has no codec for it, and it is not
// Latin-1: bytes 0x80-0x9F hold the euro sign, typographic quotes, dashes...
// The five bytes Windows leaves undefined (0x81 0x8D 0x8F 0x90 0x9D) map to
// the C1 controls of the same value so every byte survives a round trip.

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

namespace caveto::win1252 {

QChar toUnicode(uchar byte);
// The byte 0..255, or -1 when the character has no Windows-1252 byte.
int fromUnicode(QChar c);
bool isRepresentable(QChar c);

QString decode(QByteArrayView bytes);
// Characters without a byte become `replacement`.
QByteArray encode(QStringView text, char replacement = '?');

// The 256-entry byte-to-UTF-16 table, for decoders that map bytes in bulk.
const char16_t *decodeTable();

} // namespace caveto::win1252
