#include "generated_text.h"

#include "platform/cp1252.h"

#include <charconv>
#include <string>

namespace vornith::test {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the markup number that starts at `i` (a digit or a "-" before a digit).
qsizetype numberLength(const QString& t, qsizetype i) {
    qsizetype j = i;
    if (t[j] == u'-') ++j;
    while (j < t.size() && isDigit(t[j])) ++j;
    if (t.mid(j, 2) == QLatin1String("&.") && j + 2 < t.size() && isDigit(t[j + 2])) {
        j += 2;
        while (j < t.size() && isDigit(t[j])) ++j;
    }
    if (t.mid(j, 2) == QLatin1String("&E")) {
        qsizetype k = j + 2;
        if (k < t.size() && (t[k] == u'+' || t[k] == u'-')) ++k;
        if (k < t.size() && isDigit(t[k])) {
            while (k < t.size() && isDigit(t[k])) ++k;
            j = k;
        }
    }
    return j - i;
}

} // namespace

double valorMarkup(const QString& number) {
    QString plain = number;
    plain.replace(QLatin1String("&."), QLatin1String("."));
    plain.replace(QLatin1String("&E"), QLatin1String("e"));
    const std::string s = plain.toStdString();
    double v = 0;
    const char* begin = s.data();
    if (!s.empty() && s.front() == '+') ++begin;
    std::from_chars(begin, s.data() + s.size(), v);
    return v;
}

QStringList textosNumericosEn(const QString& t) {
    QStringList found;
    qsizetype i = 0;
    while (i < t.size()) {
        const QChar c = t[i];
        if (c == u'&' && i + 3 < t.size() && t[i + 1].isUpper() && t[i + 2].isUpper() &&
            t[i + 3] == u'=') {
            const qsizetype end = t.indexOf(u':', i);
            i = end < 0 ? t.size() : end + 1; // a value tag
            continue;
        }
        if (t.mid(i, 5) == QLatin1String("#IMG(")) {
            const qsizetype end = t.indexOf(QLatin1String("#IMG)"), i);
            i = end < 0 ? t.size() : end + 5;
            continue;
        }
        if ((c == u'_' || c == u'^') && i + 1 < t.size()) {
            i += 2; // a one-character script
            continue;
        }
        if (c == u'&' && i + 1 < t.size()) {
            i += 2; // an escape such as "&." or "& " outside a number
            continue;
        }
        const bool signedNumber = c == u'-' && i + 1 < t.size() && isDigit(t[i + 1]);
        if (isDigit(c) || signedNumber) {
            const qsizetype n = numberLength(t, i);
            found.append(t.mid(i, n));
            i += n;
            continue;
        }
        ++i;
    }
    return found;
}

QList<double> numerosEn(const QString& text) {
    QList<double> values;
    for (const QString& n : textosNumericosEn(text)) values.append(valorMarkup(n));
    return values;
}

bool esCp1252(const QString& text) {
    for (const QChar c : text) {
        if (cp1252Byte(c) < 0) return false;
    }
    return true;
}

bool sinPuntoSuelto(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool beforeDigit = i + 1 < text.size() && isDigit(text[i + 1]);
        if (text[i] == u'.' && beforeDigit && (i == 0 || text[i - 1] != u'&')) return false;
    }
    return true;
}

} // namespace vornith::test
