#include "textengine/texto_sin_marcas.h"

#include "platform/symbol_fonts.h"
#include "textengine/markup.h"
#include "textengine/symbol_table.h"

#include <algorithm>

namespace vornith::textengine {

namespace {

bool esDigito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The length of the construct tag that begins `resto`: "#" and one to three capitals or digits,
// then "(" or ")" or ")(" ("#COC(", "#N)(", "#ST1)", "#R3("); 0 when there is none.
qsizetype largoTag(QStringView resto) {
    qsizetype n = 1;
    while (n < resto.size() && n <= 3 &&
           ((resto[n] >= u'A' && resto[n] <= u'Z') || esDigito(resto[n])))
        ++n;
    if (n == 1 || n >= resto.size()) return 0;
    if (resto[n] == u'(') return n + 1;
    if (resto[n] != u')') return 0;
    return n + 1 < resto.size() && resto[n + 1] == u'(' ? n + 2 : n + 1;
}

// Whether `resto` begins with a tag whose value runs to ":".
bool esEtiquetaValor(QStringView resto) {
    for (const QStringView tag :
         {u"&FS", u"&FN", u"&FC", u"&BC", u"&LC", u"&FF", u"&SP", u"&LSAN=", u"&EC="}) {
        if (resto.startsWith(tag)) return true;
    }
    return false;
}

} // namespace

QString TextoSinMarcas(const EstadoMotor& motor, const QString& formateado) {
    const QString texto = SustituyeEscapes(formateado, motor.notacion);
    QString plano;
    qsizetype cierreImagen = -1;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QStringView resto = QStringView(texto).mid(i);
        const QChar c = texto[i];
        const QChar s = resto.size() > 1 ? resto[1] : QChar();
        if (c == u'&') {
            if (resto.startsWith(u"&LF")) {
                plano += u' ';
                i += 2;
            } else if ((s == u'+' || s == u'-') && resto.size() > 2 &&
                       QStringView(u"IBUS").contains(resto[2])) {
                i += 2;
            } else if (esEtiquetaValor(resto)) {
                // The value ends at ":"; without one, at the end of its line.
                qsizetype fin = i + 1;
                while (fin < texto.size() && texto[fin] != u':' &&
                       !QStringView(texto).mid(fin).startsWith(u"&LF"))
                    ++fin;
                i = fin < texto.size() && texto[fin] == u':' ? fin : fin - 1;
            } else if (const int k = BuscaSimbolo(motor, resto)) {
                const QString fuente = FuenteSimbolo(k).toString();
                plano += mapCodedText(codedFontOf(fuente),
                                      motor.SimboloCar[static_cast<std::size_t>(k)]);
                i += motor.SimboloTag[static_cast<std::size_t>(k)].size() - 1;
            } else if (s == u'&' || s == u' ') {
                plano += s;
                ++i;
            } else if (s == u'E') {
                plano += motor.notacion.TextoPor10;
                ++i;
            } else if (s == u'Q' || s == u'=' || s == u'#' || s == u'_') {
                ++i; // drawn signs and the soft hyphen
            }
            // Any other "&" is dropped and what follows reads as text, as on the page.
        } else if (c == u'#') {
            if (s == u'#') {
                plano += s;
                ++i;
            } else if (resto.startsWith(u"#MARK")) {
                qsizetype fin = std::min(i + 9, texto.size());
                while (fin < texto.size() && esDigito(texto[fin]))
                    ++fin;
                i = fin - 1;
            } else if (resto.startsWith(u"#IMG(")) {
                // A picture's options are no text; pictures do not nest, so the next close ends
                // it. Each close is looked for once.
                if (cierreImagen < i) {
                    const qsizetype p = BuscaEtiqueta(texto, u"#IMG)", i);
                    cierreImagen = p < 0 ? texto.size() : p;
                }
                i = cierreImagen < texto.size() ? cierreImagen + 4 : i + 4;
            } else {
                i += std::max<qsizetype>(largoTag(resto) - 1, 0);
            }
        } else if (c == u'_' || c == u'^') {
            if (s == c) {
                plano += c;
                ++i;
            }
        } else {
            plano += c;
        }
    }
    return plano.simplified();
}

} // namespace vornith::textengine
