#pragma once

// Sample collections for the collection file and clipboard tests.

#include "document/archivo_coleccion.h"
#include "document/disco_coleccion.h"
#include "platform/picture_files.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace vornith::test {

inline generation::Problema ProblemaDePrueba(const QString& clave, int tipo, int semillaA,
                                             int semillaB, const QString& enunciado,
                                             const QString& solucion) {
    generation::Problema p;
    p.Clave = clave;
    p.Tipo = static_cast<std::int16_t>(tipo);
    p.SemillaA = static_cast<std::int16_t>(semillaA);
    p.SemillaB = static_cast<std::int16_t>(semillaB);
    p.Variante = 6;
    p.Cantidad = 3;
    p.Orden = 2;
    p.Enunciado = enunciado;
    p.Solucion = solucion;
    return p;
}

// A header with blanks around its texts and letters outside ASCII, and three problems; the
// third names two pictures, one of them twice.
struct ColeccionDePrueba {
    document::DatosColeccion coleccion;
    document::TablaProblemas problemas = document::nuevaTablaProblemas();

    ColeccionDePrueba() {
        coleccion.TITULO = QStringLiteral("  Física 1º ×  ");
        coleccion.PROPRE = QStringLiteral(" Problema ");
        coleccion.PROSUF = QStringLiteral(". ");
        coleccion.POSNUMPAG = 13;
        coleccion.COLRESPRO = rgb(200, 220, 255);
        coleccion.PAGINI = 3;
        coleccion.POSSOL = 2;
        coleccion.PROINI = 7;
        coleccion.ORDENA = true;
        coleccion.NPROB = 3;
        problemas[1] = ProblemaDePrueba(QStringLiteral("XIMB_FISI_CIN"), 15, 45, 123,
                                        QStringLiteral("Un móvil a 3&.5 m/s&LF"),
                                        QStringLiteral("v = 3&.5 m/s&LF"));
        problemas[2] = ProblemaDePrueba(QStringLiteral("XIMB_FISI_DIN"), 30, 899, 8999,
                                        QStringLiteral("Un bloque de 2 kg&LF"), QString());
        problemas[3] = ProblemaDePrueba(
            QStringLiteral("XIMB_FISI_CIN"), 25, 0, 0,
            QStringLiteral("#IMG('rueda.png',10,5#IMG)Una rueda&LF#img('Plano.gif'#img)&LF"),
            QStringLiteral("#IMG('rueda.png'#IMG)w = 2 rad/s&LF"));
    }
};

// A picture source over a fixed set of names.
inline document::FuenteImagenes FuenteFija(std::map<QString, QByteArray> imagenes) {
    return [imagenes = std::move(imagenes)](const QString& nombre) -> std::optional<QByteArray> {
        const auto it = imagenes.find(nombre);
        if (it == imagenes.end()) return std::nullopt;
        return it->second;
    };
}

inline std::map<QString, QByteArray> ImagenesDePrueba() {
    return {{QStringLiteral("rueda.png"), QByteArray("\x89PNG\r\n\x1a\n#PRO001)", 17)},
            {QStringLiteral("Plano.gif"), QByteArray("GIF89a\0\xff", 8)}};
}

// The bytes of a text as a test writes them by hand (Latin-1 covers these tests' letters).
inline QByteArray Bytes(const QString& texto) {
    return texto.toLatin1();
}

// The bytes of the file at `ruta`; empty when it cannot be read.
inline QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes `bytes` as the file `ruta`, making its folder first.
inline void Escribe(const QString& ruta, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A work folder: an empty img/, the place of the program's temp/, and room for collection
// files.
struct CarpetasDePrueba {
    QTemporaryDir raiz;
    PictureFolders carpetas{raiz.filePath("img"), raiz.filePath("temp")};
    CarpetasDePrueba() { QDir().mkpath(carpetas.img); }
    QString ruta(const QString& nombre) const { return raiz.filePath(nombre); }
};

// The file `nombre` in `c` of the sample collection whose third problem shows `imagenes`.
inline QString GuardaConImagenes(const CarpetasDePrueba& c, const QString& nombre,
                                 const std::map<QString, QByteArray>& imagenes) {
    ColeccionDePrueba prueba;
    QString enunciado;
    for (const auto& imagen : imagenes)
        enunciado += "#IMG('" + imagen.first + "'DXmm=10:DYmm=10:#IMG)&LF";
    prueba.problemas[3].Enunciado = enunciado;
    prueba.problemas[3].Solucion = QStringLiteral("Sin figura&LF");
    const document::ArchivoConstruido archivo =
        ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas, FuenteFija(imagenes));
    EXPECT_TRUE(archivo.omitidas.isEmpty());
    const QString ruta = c.ruta(nombre);
    Escribe(ruta, archivo.bytes);
    return ruta;
}

// The pictures a collection file carries, by name.
inline std::map<QString, QByteArray> ImagenesDe(const QString& ruta) {
    std::map<QString, QByteArray> imagenes;
    for (const document::ImagenColeccion& imagen :
         document::AbreArchivoColeccion(ruta).Datos.Imagenes)
        imagenes[imagen.nombre] = imagen.datos;
    return imagenes;
}

} // namespace vornith::test
