#include "textengine/drawers/separador.h"

#include "textengine/construct_table.h"
#include "textengine/estado_motor.h"
#include "textengine/markup.h"

namespace vornith::textengine {

std::optional<QStringView> CuerpoConstruccion(QStringView texto, QStringView abre) {
    constexpr qsizetype kEtiqueta = 5;
    if (abre.size() != kEtiqueta || texto.size() < 2 * kEtiqueta) return std::nullopt;
    if (!texto.startsWith(abre)) return std::nullopt;
    const QStringView cierre = texto.right(kEtiqueta);
    if (cierre.left(4) != abre.left(4) || cierre[4] != u')') return std::nullopt;
    return texto.mid(kEtiqueta, texto.size() - 2 * kEtiqueta);
}

qsizetype BuscaSeparador(QStringView cuerpo, QStringView separador) {
    if (separador.isEmpty()) return -1;
    qsizetype i = 0;
    // More constructs than a line has element numbers cannot be laid out: the search ends
    // there rather than measure each of them.
    int construcciones = 0;
    while (i < cuerpo.size()) {
        const QStringView resto = cuerpo.mid(i);
        if (resto.startsWith(separador)) return i;
        const QChar c = resto[0];
        const QChar siguiente = resto.size() > 1 ? resto[1] : QChar();
        if ((c == u'#' && siguiente == u'#') ||
            (c == u'&' && (siguiente == u'&' || siguiente == u'#'))) {
            i += 2;
        } else if (c == u'#' && BuscaConstruccion(resto)) {
            if (++construcciones > kMaxElemento) return -1;
            const QStringView abre = resto.left(5);
            const qsizetype largo = LongitudBloque(resto, abre, CierreDe(abre));
            i += largo > 0 ? largo : abre.size();
        } else {
            ++i;
        }
    }
    return -1;
}

} // namespace vornith::textengine
