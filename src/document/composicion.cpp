#include "document/composicion.h"

#include <QStringList>

#include <algorithm>

namespace vornith::document {

namespace {

const QString kEtiquetaSolucion = QStringLiteral("Solución");
const QString kEtiquetaSoluciones = QStringLiteral("Soluciones");

// A solution stays in its problem's block while both texts are shorter than this.
constexpr qsizetype kLargoMaximoJuntos = 513;

// A number as the collection writes it in colour tags: one blank before it unless negative.
QString conBlanco(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

} // namespace

QString MarcaBloque(int k) {
    const int digits = k < 1000 ? 3 : 4;
    const int value = k < 1000 ? (1000 + k) % 1000 : k;
    return QStringLiteral("#MARK=") + QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

QString CajaNumero(Rgb colour, const QString& prefijo, int numero, const QString& sufijo) {
    return QStringLiteral("&BC=") + conBlanco(redOf(colour)) + QLatin1Char(';') +
           conBlanco(greenOf(colour)) + QLatin1Char(';') + conBlanco(blueOf(colour)) +
           QStringLiteral(":&FF=REC,20,5.5:") + prefijo + QString::number(numero) + sufijo +
           QStringLiteral(" &BC=Blanco:&FF=REC,20,5.5:");
}

void ComponerBloques(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                     std::vector<Bloque>& tabla, std::int32_t& numBloques,
                     const std::function<void()>& yield) {
    const auto pausa = [&yield] {
        if (yield) yield();
    };
    // A placement no version of the program writes (a damaged file) shows no solutions.
    const int posSol = coleccion.POSSOL >= kSinSoluciones && coleccion.POSSOL <= kSolucionesAparte
                           ? coleccion.POSSOL
                           : kSinSoluciones;
    const int nprob = std::clamp(coleccion.NPROB, 0, kMaxProblemas);

    struct Reunida {
        QString texto;
        int problema;
    };
    std::vector<Reunida> reunidas;
    numBloques = 0;
    const auto nuevoBloque = [&](const QString& texto, int numProblema) {
        ++numBloques;
        Bloque& b = tabla[numBloques];
        b.Texto = MarcaBloque(numBloques) + texto;
        b.Pagina = 0;
        b.NumProblema = numProblema;
    };

    int numero = coleccion.PROINI - 1;
    for (int i = 1; i <= nprob; ++i) {
        ++numero;
        pausa();
        const Problema& p = problemas[i];
        const QString caja =
            CajaNumero(coleccion.COLRESPRO, coleccion.PROPRE, numero, coleccion.PROSUF);
        const QString enunciado =
            QStringLiteral("&+B") + caja + QStringLiteral("&-B& ") + p.Enunciado;
        const QString solucion = QStringLiteral("&+I") + kEtiquetaSolucion +
                                 QStringLiteral("&-I:& ") + p.Solucion + QStringLiteral("&LF");
        // The block mark counts in the length of the statement block, as it is written.
        const qsizetype largoEnunciado = MarcaBloque(numBloques + 1).size() + enunciado.size();
        switch (posSol) {
        case kSolucionTrasProblema:
            if (p.Solucion.size() < kLargoMaximoJuntos && largoEnunciado < kLargoMaximoJuntos) {
                nuevoBloque(enunciado + solucion, i);
            } else {
                nuevoBloque(enunciado + QStringLiteral("&LF"), i);
                nuevoBloque(solucion, -i);
            }
            break;
        case kSolucionesAlFinal:
        case kSolucionesAparte:
            nuevoBloque(enunciado + QStringLiteral("&LF"), i);
            if (!p.Solucion.isEmpty()) {
                reunidas.push_back(
                    {QStringLiteral(" &+B") + caja + QStringLiteral("&-B& ") + p.Solucion, i});
            }
            break;
        default:
            nuevoBloque(enunciado + QStringLiteral("&LF"), i);
            break;
        }
        pausa();
    }
    if (!reunidas.empty()) {
        reunidas.front().texto.prepend(QStringLiteral("&+B") + kEtiquetaSoluciones +
                                       QStringLiteral(":&-B&LF"));
        for (const Reunida& r : reunidas)
            nuevoBloque(r.texto, -r.problema);
    }
}

} // namespace vornith::document
