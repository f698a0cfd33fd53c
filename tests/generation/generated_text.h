#pragma once

// Reading generated statements and solutions back in tests: the numbers they print and the
// house rules every generated text keeps.

#include <QList>
#include <QString>

namespace vornith::test {

// The value of one markup number: "12", "0&.25", "-3&.5", "1&.23&E5", "5&E-3", "2&.5&E+20".
double valorMarkup(const QString& number);

// Every number printed in `text`, in order, read with valorMarkup. Skipped: value tags
// ("&SP=10:", "&FS=14:"...), picture constructs ("#IMG(...#IMG)"), and one-character scripts
// ("m_1", "t^2"). A "-" right before a digit is the number's sign.
QList<double> numerosEn(const QString& text);

// The markup numbers themselves, as texts, in the same order as numerosEn.
QStringList textosNumericosEn(const QString& text);

// True when every character of `text` exists in Windows-1252.
bool esCp1252(const QString& text);

// True when no decimal point is written bare: every "." followed by a digit is part of "&.".
// (Sentence full stops are fine.)
bool sinPuntoSuelto(const QString& text);

} // namespace vornith::test
