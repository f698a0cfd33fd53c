#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vornith {

// Windows-1252, the encoding of collection files. Every byte maps to one character and back;
// the five bytes the code page leaves undefined map to the C1 controls of the same value.
QString fromCp1252(QByteArrayView bytes);
// Characters outside the code page become "?".
QByteArray toCp1252(const QString& text);

// One character <-> one byte, for code that works with the code page's numbers.
QChar cp1252Char(unsigned char byte);
// The byte of `c`, or -1 when the code page has no such character.
int cp1252Byte(QChar c);

} // namespace vornith
