#include "document/texto_portapapeles.h"

#include "document/archivo_coleccion.h"
#include "document/conversion_numerica.h"
#include "generation/me_norv.h"

namespace vornith::document {

namespace {

const QString kPrefijo = QString::fromUtf16(kPrefijoPortapapeles);

std::int16_t Campo(QStringView datos, qsizetype desde, qsizetype ancho) {
    if (desde >= datos.size()) return 0;
    return EnteroCorto(datos.sliced(desde).first(std::min(ancho, datos.size() - desde)))
        .value_or(0);
}

} // namespace

QString TextoPortapapeles(const generation::Problema& problema) {
    return kPrefijo + AnchoFijo(problema.Clave, kLongitudClave) + generation::IdProblema(problema) +
           QStringLiteral("#ENU(") + problema.Enunciado + QStringLiteral("#ENU)#SOL(") +
           problema.Solucion + QStringLiteral("#SOL)");
}

bool EsTextoPortapapeles(const QString& texto) {
    return texto.startsWith(kPrefijo);
}

std::optional<generation::Problema> LeeTextoPortapapeles(const QString& texto) {
    if (!EsTextoPortapapeles(texto)) return std::nullopt;
    const QStringView datos = QStringView(texto).sliced(kPrefijo.size());
    generation::Problema problema;
    problema.Clave =
        SinBlancos(datos.first(std::min<qsizetype>(kLongitudClave, datos.size()))).toString();
    problema.Tipo = Campo(datos, 80, 3);
    problema.SemillaA = Campo(datos, 83, 3);
    problema.SemillaB = Campo(datos, 86, 4);
    problema.Variante = Campo(datos, 90, 2);
    problema.Cantidad = Campo(datos, 92, 2);
    problema.Orden = Campo(datos, 94, 2);
    if (datos.size() > 96) {
        if (auto textos = SeparaTextos(datos.sliced(96))) {
            problema.Enunciado = std::move(textos->first);
            problema.Solucion = std::move(textos->second);
        }
    }
    return problema;
}

} // namespace vornith::document
