#include "generation/me_norv.h"

#include "generation/modulos.h"

#include <cmath>
#include <cstdlib>
#include <exception>

namespace vornith::generation {

namespace {

// Failure number of an unexpected failure that is not a FalloGeneracion.
constexpr int kFalloInterno = 51;

const QLatin1String kErrorSolucion("<ERROR>&LF");

QString TextoFallo(int numero, const QString& descripcion, const QString& id,
                   const QString& modulo) {
    const QString n = (numero >= 0 ? QStringLiteral(" ") : QString()) + QString::number(numero);
    return QStringLiteral("<ERROR>  Número= ") + n + QStringLiteral("&LFDescripción del error=") +
           descripcion + QStringLiteral(" &LFOrden=") + id + QStringLiteral("&LFMódulo=") + modulo +
           QStringLiteral("&LF");
}

QString CampoCodigo(int valor, int ancho) {
    // Unsigned: a negative number from a damaged record keeps its digits, not its sign.
    return (QString(ancho, u'0') + QString::number(std::abs(valor))).right(ancho);
}

} // namespace

void AlmacenaListado(EstadoGeneracion& estado, const QString& listado) {
    const qsizetype dosPuntos = listado.indexOf(u':');
    const QString prefijo = listado.left(dosPuntos + 1);
    QString resto = listado.mid(dosPuntos + 1);
    const auto registros = static_cast<long>(std::nearbyint(resto.size() / 400.0));
    for (long i = 0; i < registros; ++i) {
        if (estado.NumCatalogo < kMaxCatalogo) {
            ++estado.NumCatalogo;
            estado.Catalogo[static_cast<std::size_t>(estado.NumCatalogo)] =
                prefijo + resto.left(400);
        }
        resto.remove(0, 400);
    }
}

void CargaCatalogo(EstadoGeneracion& estado) {
    estado.NumCatalogo = 0;
    for (QString& linea : estado.Catalogo)
        linea.clear();
    using Listador = QString (*)(EstadoGeneracion&, const QString&, QString&, QString&, bool);
    for (Listador listador : {&XIMB_FISI_CIN::GeneraProblema, &XIMB_FISI_DIN::GeneraProblema}) {
        try {
            QString enunciado;
            QString solucion;
            AlmacenaListado(estado, listador(estado, QString(), enunciado, solucion, true));
        } catch (const std::exception&) {
            // A module whose listing fails lists nothing; the other is still asked.
        }
    }
}

bool GeneraModulo(const QString& modulo) {
    const QString mayusculas = modulo.toUpper();
    return mayusculas == QLatin1String(kClaveCinematica) ||
           mayusculas == QLatin1String(kClaveDinamica);
}

QString CausaOtraAsignatura() {
    return QStringLiteral("Posiblemente el archivo fue creado con una aplicación de otra "
                          "asignatura.");
}

void GeneraPorModulo(EstadoGeneracion& estado, const QString& modulo, const QString& id,
                     QString& enunciado, QString& solucion) {
    // Copies: the caller may pass texts that the generation overwrites.
    const QString clave = modulo;
    const QString codigo = id;
    try {
        const QString mayusculas = clave.toUpper();
        if (mayusculas == QLatin1String(kClaveCinematica)) {
            XIMB_FISI_CIN::GeneraProblema(estado, codigo, enunciado, solucion, false);
        } else if (mayusculas == QLatin1String(kClaveDinamica)) {
            XIMB_FISI_DIN::GeneraProblema(estado, codigo, enunciado, solucion, false);
        } else {
            enunciado = QStringLiteral("<ERROR: No se puede regenerar el problema>. ") +
                        CausaOtraAsignatura() + QStringLiteral("&LF");
            solucion = kErrorSolucion;
        }
    } catch (const FalloGeneracion& fallo) {
        enunciado = TextoFallo(fallo.numero(), fallo.descripcion(), codigo, clave);
        solucion = kErrorSolucion;
    } catch (const std::exception& fallo) {
        enunciado = TextoFallo(kFalloInterno, QString::fromLocal8Bit(fallo.what()), codigo, clave);
        solucion = kErrorSolucion;
    }
}

QString IdProblema(const Problema& problema) {
    return CampoCodigo(problema.Tipo, 3) + CampoCodigo(problema.SemillaA, 3) +
           CampoCodigo(problema.SemillaB, 4) + CampoCodigo(problema.Variante, 2) +
           CampoCodigo(problema.Cantidad, 2) + CampoCodigo(problema.Orden, 2);
}

} // namespace vornith::generation
