#include "coleccion_de_prueba.h"

#include "document/disco_coleccion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::ColeccionDePrueba;
using test::ImagenesDePrueba;

QByteArray Lee(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Escribe(const QString& ruta, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A work folder with img/ holding the sample pictures and an empty place for temp/.
struct Carpetas {
    QTemporaryDir raiz;
    PictureFolders carpetas{raiz.filePath("img"), raiz.filePath("temp")};

    Carpetas() {
        for (const auto& [nombre, datos] : ImagenesDePrueba())
            Escribe(carpetas.img + '/' + nombre, datos);
    }
    QString ruta(const QString& nombre) const { return raiz.filePath(nombre); }
};

TEST(DiscoColeccion, GuardaYAbreConSusImagenes) {
    const Carpetas c;
    const ColeccionDePrueba prueba;
    const QString ruta = c.ruta("Física.COL");
    ASSERT_FALSE(GuardaColeccion(ruta, prueba.coleccion, prueba.problemas, c.carpetas).hayError());
    EXPECT_EQ(Lee(ruta), ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                                   test::FuenteFija(ImagenesDePrueba()))
                             .bytes);

    // Saved again over itself: the same bytes, and no file left beside it.
    ASSERT_FALSE(GuardaColeccion(ruta, prueba.coleccion, prueba.problemas, c.carpetas).hayError());
    EXPECT_EQ(QDir(c.raiz.path()).entryList(QDir::Files), QStringList{"Física.COL"});

    const LecturaColeccion leida = AbreArchivoColeccion(ruta);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Coleccion, prueba.coleccion);
    EXPECT_EQ(leida.Datos.Imagenes.size(), 2u);
}

TEST(DiscoColeccion, ImagenesDeTempSinDistinguirMayusculas) {
    Carpetas c;
    QDir(c.carpetas.img).removeRecursively();
    Escribe(c.carpetas.temp + "/RUEDA.PNG", "r");
    Escribe(c.carpetas.temp + "/plano.GIF", "p");
    const ColeccionDePrueba prueba;
    const ArchivoConstruido archivo =
        ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas, FuenteCarpetas(c.carpetas));
    ASSERT_FALSE(archivo.error.hayError());
    EXPECT_TRUE(archivo.bytes.endsWith("rp"));
}

TEST(DiscoColeccion, UnaImagenQueFaltaNoTocaElArchivoViejo) {
    Carpetas c;
    QFile::remove(c.carpetas.img + "/Plano.gif");
    const QString ruta = c.ruta("vieja.COL");
    Escribe(ruta, "contenido viejo");
    const ColeccionDePrueba prueba;
    const ErrorGuardado error =
        GuardaColeccion(ruta, prueba.coleccion, prueba.problemas, c.carpetas);
    EXPECT_EQ(error.Tipo, FalloGuardado::ImagenNoEncontrada);
    EXPECT_EQ(error.Imagen, QStringLiteral("Plano.gif"));
    EXPECT_EQ(Lee(ruta), QByteArray("contenido viejo"));
}

TEST(DiscoColeccion, LoQueNoSeLeeIgualNoTocaElArchivoViejo) {
    const Carpetas c;
    const QString ruta = c.ruta("vieja.COL");
    Escribe(ruta, "contenido viejo");
    ColeccionDePrueba prueba;
    prueba.problemas[1].Enunciado = QStringLiteral("a#SOL(b");
    const ErrorGuardado error =
        GuardaColeccion(ruta, prueba.coleccion, prueba.problemas, c.carpetas);
    EXPECT_EQ(error.Tipo, FalloGuardado::TextoNoGuardable);
    EXPECT_TRUE(error.Descripcion.startsWith(QStringLiteral("El enunciado del problema 7")));
    EXPECT_EQ(Lee(ruta), QByteArray("contenido viejo"));
}

TEST(DiscoColeccion, UnaEscrituraFallidaDejaElArchivoViejoIntacto) {
    const Carpetas c;
    // The file may exist, but nothing can be written beside it under a longer name.
    const QString ruta = c.ruta(QString(251, u'a') + ".COL");
    Escribe(ruta, "contenido viejo");
    const ErrorGuardado error = EscribeArchivo(ruta, "contenido nuevo");
    EXPECT_EQ(error.Tipo, FalloGuardado::ProtegidoContraEscritura) << error.Numero;
    EXPECT_EQ(Lee(ruta), QByteArray("contenido viejo"));
    EXPECT_EQ(QDir(c.raiz.path()).entryList(QDir::Files).size(), 1);

    const ErrorGuardado sinCarpeta = EscribeArchivo(c.ruta("no/existe.COL"), "x");
    EXPECT_EQ(sinCarpeta.Tipo, FalloGuardado::Otro);
    EXPECT_EQ(sinCarpeta.Numero, 76);
    EXPECT_FALSE(QFileInfo::exists(c.ruta("no")));

    EXPECT_EQ(EscribeArchivo(c.carpetas.img, "x").Tipo, FalloGuardado::ProtegidoContraEscritura);
}

TEST(DiscoColeccion, ExtensionYArchivoIlegible) {
    const Carpetas c;
    EXPECT_TRUE(TieneExtensionCol("a.col"));
    EXPECT_TRUE(TieneExtensionCol("/x/Física.CoL"));
    EXPECT_FALSE(TieneExtensionCol("a.cola"));
    EXPECT_FALSE(TieneExtensionCol("COL"));
    Escribe(c.ruta("texto.txt"), "#CABECERA)");
    EXPECT_EQ(AbreArchivoColeccion(c.ruta("texto.txt")).Fallo, FalloLectura::ExtensionIncorrecta);
    EXPECT_EQ(AbreArchivoColeccion(c.ruta("falta.COL")).Fallo, FalloLectura::ArchivoIncorrecto);
    EXPECT_FALSE(QFileInfo::exists(c.ruta("falta.COL")));
    EXPECT_EQ(AbreArchivoColeccion(c.carpetas.img + "/../img.col").Fallo,
              FalloLectura::ArchivoIncorrecto);
}

TEST(ExtraeImagenes, EscribeEnTempSinPisarLoQueHay) {
    const Carpetas c;
    Escribe(c.carpetas.temp + "/YA.PNG", "vieja en temp");
    const std::vector<ImagenColeccion> imagenes = {
        {"nueva.png", "nueva"},   {"rueda.png", "otra rueda"}, {"ya.png", "otra"},
        {"Nueva.png", "segunda"}, {"../fuera.png", "fuera"},   {"sub/x.png", "x"}};
    const ResultadoExtraccion r = ExtraeImagenes(imagenes, c.carpetas);
    EXPECT_EQ(r.Escritas, QStringList{"nueva.png"});
    EXPECT_TRUE(r.Fallidas.isEmpty());
    EXPECT_EQ(Lee(c.carpetas.temp + "/nueva.png"), QByteArray("nueva"));
    EXPECT_EQ(Lee(c.carpetas.img + "/rueda.png"), ImagenesDePrueba()["rueda.png"]);
    EXPECT_EQ(Lee(c.carpetas.temp + "/YA.PNG"), QByteArray("vieja en temp"));
    EXPECT_EQ(QDir(c.carpetas.temp).entryList(QDir::Files, QDir::Name),
              (QStringList{"YA.PNG", "nueva.png"}));
    EXPECT_FALSE(QFileInfo::exists(c.ruta("fuera.png")));
}

TEST(ExtraeImagenes, CreaTempYNoDejaNadaCuandoNoPuede) {
    Carpetas c;
    const std::vector<ImagenColeccion> imagenes = {{"a.png", "a"}};
    EXPECT_EQ(ExtraeImagenes(imagenes, c.carpetas).Escritas, QStringList{"a.png"});
    EXPECT_EQ(Lee(c.carpetas.temp + "/a.png"), QByteArray("a"));

    // temp/ is taken by a plain file: the picture cannot be written.
    const PictureFolders bloqueadas{c.carpetas.img, c.ruta("bloqueo")};
    Escribe(bloqueadas.temp, "no es una carpeta");
    const ResultadoExtraccion r = ExtraeImagenes({{"b.png", "b"}}, bloqueadas);
    EXPECT_EQ(r.Fallidas, QStringList{"b.png"});
    EXPECT_EQ(Lee(bloqueadas.temp), QByteArray("no es una carpeta"));
}

TEST(ExtraeImagenes, NombreCortadoAlAbrir) {
    const Carpetas c;
    const QString largo = QStringLiteral("una_imagen_con_un_nombre_muy_largo.png");
    ColeccionDePrueba prueba;
    prueba.problemas[1].Enunciado = "#IMG('" + largo + "'#IMG)";
    Escribe(c.carpetas.img + '/' + largo, "larga");
    const QString ruta = c.ruta("larga.COL");
    ASSERT_FALSE(GuardaColeccion(ruta, prueba.coleccion, prueba.problemas, c.carpetas).hayError());
    const LecturaColeccion leida = AbreArchivoColeccion(ruta);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(ExtraeImagenes(leida.Datos.Imagenes, c.carpetas).Escritas,
              QStringList{largo.left(32)});
    EXPECT_EQ(Lee(c.carpetas.temp + '/' + largo.left(32)), QByteArray("larga"));
}

} // namespace
} // namespace vornith::document
