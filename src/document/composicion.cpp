#include "document/composicion.h"

#include "platform/units.h"
#include "textengine/page_entry.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vornith::document {

namespace {

const QString kEtiquetaSolucion = QStringLiteral("Solución");
const QString kEtiquetaSoluciones = QStringLiteral("Soluciones");

// A solution stays in its problem's block while both texts are shorter than this.
constexpr qsizetype kLargoMaximoJuntos = 513;

// The tab that begins every solution: its answers start at 10 % of the usable width.
const QString kTabRespuestas = QStringLiteral("&SP=10:");
constexpr double kColumnaRespuestas = 10;

// A number as the collection writes it in colour tags: one blank before it unless negative.
QString conBlanco(int n) {
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

QString numeroEnCaja(const QString& caja) {
    return QStringLiteral("&+B") + caja + QStringLiteral("&-B& ");
}

// The label box of a collection, and the tab of its gathered solutions: the generators' own
// while the widest label stays clear of it, else the next whole per cent past that label.
struct Etiquetas {
    int anchoCaja = kAnchoCaja;
    QString tabRespuestas = kTabRespuestas;
};

Etiquetas mideEtiquetas(const DatosColeccion& c, int nprob, bool reunidas, const MideLinea& mide) {
    Etiquetas e;
    if (!mide || nprob < 1) return e;
    double mayor = 0;
    int masAncha = c.PROINI;
    for (int i = 0; i < nprob; ++i) {
        const int n = c.PROINI + i;
        // The box spans the label and the blank after it, where the white box begins.
        const double w =
            mide(QStringLiteral("&+B") + CajaNumero(c.COLRESPRO, c.PROPRE, n, c.PROSUF));
        if (w > mayor) {
            mayor = w;
            masAncha = n;
        }
    }
    // Whole millimetres, within the metre the engine holds a box to.
    const double mm = std::ceil(mayor / kTwipsPerMm);
    if (mm > kAnchoCaja) e.anchoCaja = static_cast<int>(std::min(mm, 1000.0));
    if (reunidas) {
        // A gathered solution's line up to its tab, with the widest label.
        const double hastaTab = mide(
            QLatin1Char(' ') + numeroEnCaja(CajaNumero(c.COLRESPRO, c.PROPRE, masAncha, c.PROSUF)));
        const double columna = std::ceil(100 * hastaTab / textengine::kAnchoUtilPagina);
        if (columna > kColumnaRespuestas) {
            e.tabRespuestas = QStringLiteral("&SP=") +
                              QString::number(static_cast<int>(std::min(columna, 100.0))) +
                              QLatin1Char(':');
        }
    }
    return e;
}

} // namespace

QString MarcaBloque(int k) {
    const int digits = k < 1000 ? 3 : 4;
    const int value = k < 1000 ? (1000 + k) % 1000 : k;
    return QStringLiteral("#MARK=") + QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

QString CajaNumero(Rgb colour, const QString& prefijo, int numero, const QString& sufijo,
                   int ancho) {
    const QString figura = QStringLiteral("&FF=REC,%1,5.5:").arg(ancho);
    return QStringLiteral("&BC=") + conBlanco(redOf(colour)) + QLatin1Char(';') +
           conBlanco(greenOf(colour)) + QLatin1Char(';') + conBlanco(blueOf(colour)) +
           QLatin1Char(':') + figura + prefijo + QString::number(numero) + sufijo +
           QStringLiteral(" &BC=Blanco:") + figura;
}

void ComponerBloques(const DatosColeccion& coleccion, const TablaProblemas& problemas,
                     std::vector<Bloque>& tabla, std::int32_t& numBloques, const MideLinea& mide,
                     const std::function<void()>& yield) {
    const auto pausa = [&yield] {
        if (yield) yield();
    };
    // A placement no version of the program writes (a damaged file) shows no solutions.
    const int posSol = coleccion.POSSOL >= kSinSoluciones && coleccion.POSSOL <= kSolucionesAparte
                           ? coleccion.POSSOL
                           : kSinSoluciones;
    const int nprob = std::clamp(coleccion.NPROB, 0, kMaxProblemas);
    const Etiquetas etiquetas = mideEtiquetas(
        coleccion, nprob, posSol == kSolucionesAlFinal || posSol == kSolucionesAparte, mide);

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
        const QString caja = CajaNumero(coleccion.COLRESPRO, coleccion.PROPRE, numero,
                                        coleccion.PROSUF, etiquetas.anchoCaja);
        const QString enunciado = numeroEnCaja(caja) + p.Enunciado;
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
                    {QLatin1Char(' ') + numeroEnCaja(caja) +
                         QString(p.Solucion).replace(kTabRespuestas, etiquetas.tabRespuestas),
                     i});
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
