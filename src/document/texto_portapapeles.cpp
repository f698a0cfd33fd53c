#include "document/texto_portapapeles.h"

#include "document/archivo_coleccion.h"
#include "document/conversion_numerica.h"
#include "generation/me_norv.h"

#include <algorithm>

namespace vornith::document {

namespace {

const QString kPrefijo = QString::fromUtf16(kPrefijoPortapapeles);

// The blanks and line ends a text file or an editor's copy adds around a problem's text.
constexpr QStringView kBlancos = u" \t\r\n";

// The problem code behind the key: six fields of decimal digits.
constexpr int kLongitudCodigo = 16;
constexpr qsizetype kCampos[][2] = {{0, 3}, {3, 3}, {6, 4}, {10, 2}, {12, 2}, {14, 2}};

} // namespace

QString TextoPortapapeles(const generation::Problema& problema) {
    return kPrefijo + AnchoFijo(problema.Clave, kLongitudClave) + generation::IdProblema(problema) +
           QStringLiteral("#ENU(") + problema.Enunciado + QStringLiteral("#ENU)#SOL(") +
           problema.Solucion + QStringLiteral("#SOL)");
}

bool EsTextoPortapapeles(const QString& texto) {
    return LeeTextoPortapapeles(texto).has_value();
}

std::optional<generation::Problema> LeeTextoPortapapeles(const QString& texto) {
    // An editor's selection may start on the line above, and a file ends with a line end.
    QStringView entero(texto);
    while (!entero.isEmpty() && kBlancos.contains(entero.front()))
        entero = entero.sliced(1);
    while (!entero.isEmpty() && kBlancos.contains(entero.back()))
        entero.chop(1);
    if (!entero.startsWith(kPrefijo)) return std::nullopt;
    const QStringView datos = entero.sliced(kPrefijo.size());
    if (datos.size() < kLongitudClave + kLongitudCodigo) return std::nullopt;
    const QStringView codigo = datos.sliced(kLongitudClave, kLongitudCodigo);
    if (!std::all_of(codigo.begin(), codigo.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;

    // The texts must be framed as written: "#ENU(" statement "#ENU)#SOL(" solution "#SOL)".
    const QStringView textos = datos.sliced(kLongitudClave + kLongitudCodigo);
    if (!textos.startsWith(u"#ENU(") || !textos.endsWith(u"#SOL)")) return std::nullopt;
    auto separados = SeparaTextos(textos);
    if (!separados ||
        textos.sliced(5 + separados->first.size()).first(10) != QLatin1String("#ENU)#SOL("))
        return std::nullopt;

    generation::Problema problema;
    problema.Clave = SinBlancos(datos.first(kLongitudClave)).toString();
    std::int16_t* campos[] = {&problema.Tipo,     &problema.SemillaA, &problema.SemillaB,
                              &problema.Variante, &problema.Cantidad, &problema.Orden};
    for (std::size_t k = 0; k < std::size(campos); ++k)
        *campos[k] = static_cast<std::int16_t>(codigo.sliced(kCampos[k][0], kCampos[k][1]).toInt());
    problema.Enunciado = std::move(separados->first);
    problema.Solucion = std::move(separados->second);
    return problema;
}

} // namespace vornith::document
