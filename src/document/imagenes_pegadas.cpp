#include "document/imagenes_pegadas.h"

#include "document/disco_coleccion.h"
#include "platform/picture_files.h"

#include <QSet>

#include <algorithm>

namespace vornith::document {

namespace {

// A collection of `problema` alone.
std::pair<DatosColeccion, TablaProblemas> Solo(const Problema& problema) {
    DatosColeccion coleccion;
    coleccion.NPROB = 1;
    TablaProblemas problemas(2);
    problemas[1] = problema;
    return {coleccion, problemas};
}

} // namespace

QStringList ImagenesDelProblema(const Problema& problema, bool soloSimples) {
    const auto [coleccion, problemas] = Solo(problema);
    return ImagenesNombradas(coleccion, problemas, soloSimples);
}

QStringList ImagenesNoTraidas(const QStringList& nombradas,
                              const std::vector<ImagenColeccion>& traidas, const QString& img,
                              bool sinPropias) {
    QStringList nombres = nombradas;
    nombres.removeIf([&](const QString& nombre) {
        return std::any_of(traidas.begin(), traidas.end(), [&](const ImagenColeccion& imagen) {
            return imagen.nombre == nombre && !imagen.datos.isEmpty();
        });
    });
    if (!sinPropias || nombres.isEmpty()) return nombres; // img/ is listed only when needed
    const FolderIndex propias(img);
    nombres.removeIf([&](const QString& nombre) { return !propias.find(nombre).isEmpty(); });
    return nombres;
}

QByteArray DatosPortapapeles(const Problema& problema, const FuenteImagenes& fuente) {
    if (ImagenesDelProblema(problema).isEmpty()) return {};
    const auto [coleccion, problemas] = Solo(problema);
    return ConstruyeArchivoColeccion(coleccion, problemas, fuente).bytes;
}

std::optional<std::vector<ImagenColeccion>> ImagenesPortapapeles(QByteArray datos,
                                                                 const QStringList& nombradas) {
    if (datos.isEmpty()) return std::vector<ImagenColeccion>();
    LecturaColeccion lectura = LeeArchivoColeccion(datos);
    if (lectura.Fallo != FalloLectura::Ninguno || lectura.Datos.ImagenesDanadas())
        return std::nullopt;
    // Data that came with another text give nothing this problem does not name.
    std::erase_if(lectura.Datos.Imagenes, [&nombradas](const ImagenColeccion& imagen) {
        return !nombradas.contains(imagen.nombre);
    });
    return std::move(lectura.Datos.Imagenes);
}

QString NombreAlternativo(const QString& nombre, int n) {
    if (n == 1 || nombre.isEmpty()) return n == 1 ? nombre : QString();
    const qsizetype punto = nombre.lastIndexOf(u'.');
    QString extension = punto > 0 ? nombre.sliced(punto) : QString();
    QString base = nombre.first(nombre.size() - extension.size());
    const QString sufijo = u'-' + QString::number(n);
    qsizetype sobra = base.size() + sufijo.size() + extension.size() - kLongitudNombre;
    const qsizetype delBase = std::clamp<qsizetype>(sobra, 0, base.size() - 1);
    base.chop(delBase);
    sobra -= delBase;
    if (sobra > 0) extension.chop(sobra);
    if (extension.size() == 1) extension.clear(); // a dot alone would end the name
    const QString alternativo = base + sufijo + extension;
    return alternativo.size() <= kLongitudNombre && isPlainFileName(alternativo) ? alternativo
                                                                                 : QString();
}

AcogidaImagenes AcogeImagenes(const std::vector<ImagenColeccion>& imagenes,
                              const QStringList& delPegado, const QStringList& nombradas,
                              const FuenteImagenes& fuente) {
    // Far more names than a collection can hold: a free one is found long before.
    constexpr int kNombresProbados = 100000;
    const auto clave = [](const QString& nombre) { return nombre.toCaseFolded(); };
    QSet<QString> deLaColeccion;
    QSet<QString> delProblema;
    for (const QString& nombre : nombradas)
        deLaColeccion.insert(clave(nombre));
    for (const QString& nombre : delPegado)
        delProblema.insert(clave(nombre));
    QHash<QString, QByteArray> tomadas; // the names this paste gives new bytes, case-folded
    QSet<QString> vistas;
    AcogidaImagenes acogida;
    for (const ImagenColeccion& imagen : imagenes) {
        if (imagen.datos.isEmpty() || vistas.contains(imagen.nombre)) continue;
        vistas.insert(imagen.nombre);
        QString elegido;
        for (int n = 1; n <= kNombresProbados && elegido.isEmpty(); ++n) {
            const QString nombre = NombreAlternativo(imagen.nombre, n);
            if (nombre.isEmpty()) break;
            const QString k = clave(nombre);
            const auto tomada = tomadas.constFind(k);
            std::optional<QByteArray> actual;
            if (tomada != tomadas.cend())
                actual = *tomada;
            else if (fuente)
                actual = fuente(nombre);
            if (actual) {
                if (*actual == imagen.datos) elegido = nombre;
            } else if (!deLaColeccion.contains(k) && (n == 1 || !delProblema.contains(k))) {
                elegido = nombre;
                tomadas.insert(k, imagen.datos);
                acogida.nuevas.push_back({nombre, imagen.datos});
            }
        }
        if (elegido.isEmpty()) {
            AcogidaImagenes rechazo;
            rechazo.sinNombre = imagen.nombre;
            return rechazo;
        }
        if (elegido != imagen.nombre) acogida.nombres.insert(imagen.nombre, elegido);
    }
    return acogida;
}

} // namespace vornith::document
