#include "document/comprobacion_guardado.h"

#include "document/conversion_numerica.h"
#include "generation/me_norv.h"
#include "platform/cp1252.h"

#include <QSet>

#include <vector>

namespace vornith::document {

namespace {

// The tags that cut the header, both ways round.
constexpr const char* kEtiquetasCabecera[] = {"CABECERA",  "PROPARAM", "TITULO", "POSNUMPAG",
                                              "COLRESPRO", "ORDENA",   "PAGINI", "POSSOL",
                                              "PROPRE",    "PROSUF",   "PROINI", "BINDIR"};

// A text of the collection and how a message names it.
struct Lugar {
    QString nombre;
    const QString* texto;
};

std::vector<Lugar> Cabecera(const DatosColeccion& c) {
    return {{QStringLiteral("El título"), &c.TITULO},
            {QStringLiteral("El prefijo"), &c.PROPRE},
            {QStringLiteral("El sufijo"), &c.PROSUF}};
}

// Problems are named by the number printed in their box.
QString DelProblema(const DatosColeccion& c, int i) {
    return QStringLiteral(" del problema ") + Decimal(std::int64_t{c.PROINI} + i - 1);
}

std::vector<Lugar> Textos(const DatosColeccion& c, const TablaProblemas& problemas) {
    std::vector<Lugar> lugares = Cabecera(c);
    const int n = ProblemasDelArchivo(c, problemas);
    for (int i = 1; i <= n; ++i) {
        const Problema& p = problemas[i];
        lugares.push_back({QStringLiteral("La clave") + DelProblema(c, i), &p.Clave});
        lugares.push_back({QStringLiteral("El enunciado") + DelProblema(c, i), &p.Enunciado});
        lugares.push_back({QStringLiteral("La solución") + DelProblema(c, i), &p.Solucion});
    }
    return lugares;
}

ErrorGuardado NoGuardable(const QString& razon) {
    return {FalloGuardado::TextoNoGuardable, 0, razon};
}

// "«c» (U+XXXX)" for the character at `k`, a surrogate pair taken whole.
QString NombraCaracter(const QString& texto, qsizetype k) {
    char32_t codigo = texto[k].unicode();
    qsizetype largo = 1;
    if (texto[k].isHighSurrogate() && k + 1 < texto.size() && texto[k + 1].isLowSurrogate()) {
        codigo = QChar::surrogateToUcs4(texto[k], texto[k + 1]);
        largo = 2;
    }
    return QStringLiteral("«") + texto.mid(k, largo) + QStringLiteral("» (U+") +
           QString::number(static_cast<uint>(codigo), 16).toUpper().rightJustified(4, u'0') + u')';
}

ErrorGuardado NoSeLeeIgual(const QString& lugar) {
    return NoGuardable(lugar +
                       QStringLiteral(" no se leería igual desde el archivo. No se ha guardado."));
}

} // namespace

QString EtiquetaDeCabecera(const QString& texto) {
    qsizetype primera = -1;
    QString etiqueta;
    for (const char* nombre : kEtiquetasCabecera) {
        for (const char parentesis : {'(', ')'}) {
            const QString tag = u'#' + QLatin1String(nombre) + QLatin1Char(parentesis);
            const qsizetype k = texto.indexOf(tag);
            if (k >= 0 && (primera < 0 || k < primera)) {
                primera = k;
                etiqueta = tag;
            }
        }
    }
    return etiqueta;
}

QString RechazoCabecera(const QString& texto) {
    QStringList caracteres;
    for (qsizetype k = 0; k < texto.size(); ++k) {
        if (cp1252Byte(texto[k]) >= 0) continue;
        const QString nombre = NombraCaracter(texto, k);
        if (!caracteres.contains(nombre)) caracteres.append(nombre);
        if (texto[k].isHighSurrogate() && k + 1 < texto.size() && texto[k + 1].isLowSurrogate())
            ++k;
    }
    if (!caracteres.isEmpty())
        return QStringLiteral("El archivo no puede guardar ") +
               caracteres.join(QStringLiteral(", "));
    const QString etiqueta = EtiquetaDeCabecera(texto);
    if (!etiqueta.isEmpty())
        return QStringLiteral("«") + etiqueta +
               QStringLiteral("» es una marca del archivo de colección");
    return {};
}

ErrorGuardado CompruebaTextos(const DatosColeccion& coleccion, const TablaProblemas& problemas) {
    for (const Lugar& lugar : Textos(coleccion, problemas)) {
        const QString& texto = *lugar.texto;
        for (qsizetype k = 0; k < texto.size(); ++k) {
            if (cp1252Byte(texto[k]) >= 0) continue;
            return NoGuardable(lugar.nombre + QStringLiteral(" contiene el carácter ") +
                               NombraCaracter(texto, k) +
                               QStringLiteral(", que el archivo no puede guardar. Cámbielo y "
                                              "vuelva a guardar."));
        }
    }
    for (const Lugar& lugar : Cabecera(coleccion)) {
        const QString etiqueta = EtiquetaDeCabecera(*lugar.texto);
        if (etiqueta.isEmpty()) continue;
        return NoGuardable(lugar.nombre + QStringLiteral(" contiene «") + etiqueta +
                           QStringLiteral("», una marca del archivo de colección. Quítela y "
                                          "vuelva a guardar."));
    }
    return {};
}

ErrorGuardado CompruebaRelectura(const QByteArray& bytes, const DatosColeccion& coleccion,
                                 const TablaProblemas& problemas) {
    if (bytes.size() > kMaxBytesArchivo)
        return NoGuardable(QStringLiteral("El archivo ") + PasaDelMaximoArchivo() +
                           QStringLiteral(". No se ha guardado."));
    const LecturaColeccion lectura = LeeArchivoColeccion(bytes);
    if (lectura.Fallo != FalloLectura::Ninguno) return NoSeLeeIgual(QStringLiteral("La colección"));
    const DatosColeccion& leida = lectura.Datos.Coleccion;
    const std::vector<Lugar> escritos = Cabecera(coleccion);
    const std::vector<Lugar> leidos = Cabecera(leida);
    for (std::size_t k = 0; k < escritos.size(); ++k) {
        if (*escritos[k].texto != *leidos[k].texto) return NoSeLeeIgual(escritos[k].nombre);
    }
    if (leida.NPROB != coleccion.NPROB)
        return NoSeLeeIgual(QStringLiteral("La lista de problemas"));
    if (leida != coleccion) return NoSeLeeIgual(QStringLiteral("La cabecera"));
    for (int i = 1; i <= leida.NPROB; ++i) {
        const Problema& p = problemas[i];
        const Problema& q = lectura.Datos.Problemas[i];
        const bool mismoCodigo = p.Tipo == q.Tipo && p.SemillaA == q.SemillaA &&
                                 p.SemillaB == q.SemillaB && p.Variante == q.Variante &&
                                 p.Cantidad == q.Cantidad && p.Orden == q.Orden;
        const char* parte = SinBlancos(p.Clave) != q.Clave ? "La clave"
                            : !mismoCodigo                 ? "El código"
                            : p.Enunciado != q.Enunciado   ? "El enunciado"
                            : p.Solucion != q.Solucion     ? "La solución"
                                                           : nullptr;
        if (parte) return NoSeLeeIgual(QString::fromUtf8(parte) + DelProblema(coleccion, i));
    }
    if (lectura.Datos.ImagenesDanadas())
        return NoSeLeeIgual(QStringLiteral("El directorio de imágenes"));
    // Each picture read back under a name the texts give, once.
    const QStringList nombradas = ImagenesNombradas(coleccion, problemas);
    QSet<QString> leidas;
    for (const ImagenColeccion& imagen : lectura.Datos.Imagenes) {
        if (!nombradas.contains(imagen.nombre) || leidas.contains(imagen.nombre))
            return NoSeLeeIgual(QStringLiteral("El nombre de la imagen ") + imagen.nombre);
        leidas.insert(imagen.nombre);
    }
    return {};
}

} // namespace vornith::document
