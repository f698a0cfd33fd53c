#include "coleccion_de_prueba.h"

#include "document/comprobacion_guardado.h"
#include "document/disco_coleccion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace vornith::document {
namespace {

using test::ColeccionDePrueba;
using test::Escribe;
using test::ImagenesDePrueba;
using test::Lee;

// A work folder with img/ holding the sample pictures and an empty place for temp/, and the
// collection's own pictures.
struct Carpetas {
    QTemporaryDir raiz;
    PictureFolders carpetas{raiz.filePath("img"), raiz.filePath("temp")};
    AlmacenImagenes almacen;

    Carpetas() {
        for (const auto& [nombre, datos] : ImagenesDePrueba())
            Escribe(carpetas.img + '/' + nombre, datos);
    }
    QString ruta(const QString& nombre) const { return raiz.filePath(nombre); }
    FuenteImagenes fuente() const { return FuenteColeccion(carpetas.img, almacen); }
};

TEST(DiscoColeccion, GuardaYAbreConSusImagenes) {
    const Carpetas c;
    const ColeccionDePrueba prueba;
    const QString ruta = c.ruta("Física.COL");
    ASSERT_FALSE(
        GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas, c.fuente()).hayError());
    EXPECT_EQ(Lee(ruta), ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                                   test::FuenteFija(ImagenesDePrueba()))
                             .bytes);

    // Saved again over itself: the same bytes, and no file left beside it.
    ASSERT_FALSE(
        GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas, c.fuente()).hayError());
    EXPECT_EQ(QDir(c.raiz.path()).entryList(QDir::Files), QStringList{"Física.COL"});

    const LecturaColeccion leida = AbreArchivoColeccion(ruta);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Coleccion, prueba.coleccion);
    EXPECT_EQ(leida.Datos.Imagenes.size(), 2u);
}

TEST(DiscoColeccion, ImagenesDeImgYDeLaColeccionSinDistinguirMayusculas) {
    Carpetas c;
    QDir(c.carpetas.img).removeRecursively();
    Escribe(c.carpetas.img + "/RUEDA.PNG", "r");
    c.almacen.Anade("plano.GIF", "p");
    c.almacen.Anade("PLANO.gif", "otra"); // the first of names alike in case is kept
    const ColeccionDePrueba prueba;
    const ArchivoConstruido archivo =
        ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas, c.fuente());
    EXPECT_TRUE(archivo.omitidas.isEmpty());
    EXPECT_TRUE(archivo.bytes.endsWith("rp"));

    // img/ comes first.
    c.almacen.Anade("rueda.png", "de la coleccion");
    EXPECT_EQ(c.fuente()("rueda.png"), QByteArray("r"));
}

TEST(DiscoColeccion, LoQueNoSeLeeIgualNoTocaElArchivoViejo) {
    const Carpetas c;
    const QString ruta = c.ruta("vieja.COL");
    Escribe(ruta, "contenido viejo");
    ColeccionDePrueba prueba;
    prueba.problemas[1].Enunciado = QStringLiteral("a#SOL(b");
    const ErrorGuardado error =
        GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas, c.fuente());
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

// While alive, no file of the process may grow beyond `tope` bytes: writes past it fail as on
// a full disk.
class DiscoCasiLleno {
  public:
    explicit DiscoCasiLleno(rlim_t tope) {
        getrlimit(RLIMIT_FSIZE, &antes_);
        senal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{tope, antes_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DiscoCasiLleno() {
        setrlimit(RLIMIT_FSIZE, &antes_);
        std::signal(SIGXFSZ, senal_);
    }

  private:
    rlimit antes_{};
    void (*senal_)(int) = nullptr;
};

TEST(DiscoColeccion, DiscoLlenoDejaElArchivoViejoYLoDice) {
    const Carpetas c;
    const QString ruta = c.ruta("vieja.COL");
    const QByteArray viejo(56000, 'v');
    Escribe(ruta, viejo);
    // Small files fit, larger ones are cut short by the disk: both sides of Qt's write buffer.
    for (const qsizetype largo : {12000, 40000}) {
        ErrorGuardado error;
        {
            const DiscoCasiLleno lleno(8192);
            error = EscribeArchivo(ruta, QByteArray(largo, 'n'));
        }
        EXPECT_EQ(error.Tipo, FalloGuardado::Otro) << largo;
        EXPECT_EQ(error.Numero, 61);
        EXPECT_EQ(error.Descripcion, QStringLiteral("Disco lleno"));
        EXPECT_EQ(Lee(ruta), viejo);
        EXPECT_EQ(QDir(c.raiz.path()).entryList(QDir::Files), QStringList{"vieja.COL"});
    }
    {
        const DiscoCasiLleno lleno(8192);
        EXPECT_FALSE(EscribeArchivo(ruta, "cabe").hayError());
    }
    EXPECT_EQ(Lee(ruta), QByteArray("cabe"));
}

TEST(ExtraeImagenes, DiscoLlenoNoDejaImagenesVaciasNiCortas) {
    const Carpetas c;
    Escribe(c.carpetas.temp + "/Vacia.png", "");
    Escribe(c.carpetas.temp + "/corta.png", "ab");
    const std::vector<ImagenColeccion> imagenes = {{"grande.png", QByteArray(20000, 'g')},
                                                   {"pequena.png", "p"}};
    ResultadoExtraccion r;
    {
        const DiscoCasiLleno lleno(8192);
        r = ExtraeImagenes(imagenes, c.carpetas);
    }
    EXPECT_EQ(r.Fallidas, QStringList{"grande.png"});
    EXPECT_EQ(r.Escritas, QStringList{"pequena.png"});
    EXPECT_FALSE(QFileInfo::exists(c.carpetas.temp + "/grande.png"));
    EXPECT_EQ(CausaExtraccion(r, "/t/col-1-1", {}),
              "\r\n\r\nNo se han podido escribir en la carpeta temporal /t/col-1-1: el disco "
              "puede estar lleno.");
    EXPECT_TRUE(
        CausaExtraccion(ResultadoExtraccion{{"a.png"}, {}, {}}, "/t/col-1-1", {}).isEmpty());

    // An empty or shorter file in temp/ is no copy: it is replaced, under its own name. An
    // empty picture file never goes into a saved file.
    EXPECT_EQ(FuenteColeccion(c.carpetas.temp, c.almacen)("vacia.png"), std::nullopt);
    r = ExtraeImagenes({{"vacia.png", "llena"},
                        {"corta.png", "abc"},
                        {"CORTA.png", "a"},
                        {"grande.png", QByteArray(20000, 'g')}},
                       c.carpetas);
    EXPECT_EQ(r.Escritas, (QStringList{"vacia.png", "corta.png", "grande.png"}));
    EXPECT_EQ(Lee(c.carpetas.temp + "/Vacia.png"), QByteArray("llena"));
    EXPECT_EQ(Lee(c.carpetas.temp + "/corta.png"), QByteArray("abc"));
    EXPECT_EQ(QDir(c.carpetas.temp).entryList(QDir::Files).size(), 4);
}

TEST(ExtraeImagenes, UnArchivoNoTomaMasDeSuCupo) {
    const Carpetas c;
    std::vector<ImagenColeccion> imagenes;
    for (int k = 0; k < kMaxImagenesArchivo + 3; ++k)
        imagenes.push_back({QStringLiteral("p%1.gif").arg(k), "x"});
    ResultadoExtraccion r = ExtraeImagenes(imagenes, c.carpetas);
    EXPECT_EQ(r.Escritas.size(), kMaxImagenesArchivo);
    EXPECT_EQ(r.Omitidas, (QStringList{"p256.gif", "p257.gif", "p258.gif"}));
    EXPECT_EQ(QDir(c.carpetas.temp).entryList(QDir::Files).size(), kMaxImagenesArchivo);
    EXPECT_TRUE(CausaExtraccion(r, c.carpetas.temp, {})
                    .endsWith("más de 256 imágenes ni más de 64 MB de imágenes."));

    // Pictures already there cost nothing; the bytes are capped too.
    const QByteArray grande(kMaxBytesImagenesArchivo / 2 + 1, 'g');
    r = ExtraeImagenes({{"p0.gif", "x"}, {"g1.png", grande}, {"g2.png", grande}, {"g3.png", "y"}},
                       c.carpetas);
    EXPECT_EQ(r.Escritas, (QStringList{"g1.png", "g3.png"}));
    EXPECT_EQ(r.Omitidas, QStringList{"g2.png"});
}

TEST(DiscoColeccion, SoloArchivosNormalesDeTamanoRazonable) {
    const Carpetas c;
    const QString fifo = c.ruta("tuberia.COL");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString cero = c.ruta("cero.COL");
    ASSERT_TRUE(QFile::link("/dev/zero", cero));
    const QString enorme = c.ruta("enorme.COL");
    {
        QFile f(enorme);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(kMaxBytesArchivo + 1)); // sparse: takes no room
    }
    for (const QString& ruta : {fifo, cero, enorme, c.carpetas.img + "/../img.col"})
        EXPECT_EQ(AbreArchivoColeccion(ruta).Fallo, FalloLectura::ArchivoIncorrecto)
            << ruta.toStdString();

    // A link to a good file is followed.
    const ColeccionDePrueba prueba;
    const QString buena = c.ruta("buena.COL");
    ASSERT_FALSE(
        GuardaColeccion(buena, {}, prueba.coleccion, prueba.problemas, c.fuente()).hayError());
    ASSERT_TRUE(QFile::link(buena, c.ruta("enlace.COL")));
    EXPECT_EQ(AbreArchivoColeccion(c.ruta("enlace.COL")).Fallo, FalloLectura::Ninguno);
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

TEST(DiscoColeccion, NombreDeImagenLargoNoSeGuarda) {
    const Carpetas c;
    const QString largo = QStringLiteral("una_imagen_con_un_nombre_muy_largo.png");
    ColeccionDePrueba prueba;
    prueba.problemas[1].Enunciado = "#IMG('" + largo + "'#IMG)";
    Escribe(c.carpetas.img + '/' + largo, "larga");
    const QString ruta = c.ruta("larga.COL");
    QList<ImagenOmitida> omitidas;
    ASSERT_FALSE(
        GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas, c.fuente(), &omitidas)
            .hayError());
    EXPECT_EQ(omitidas, (QList<ImagenOmitida>{{largo, MotivoOmision::NombreLargo}}));
    EXPECT_FALSE(Lee(ruta).contains("larga"));

    // 32 characters still fit.
    prueba.problemas[1].Enunciado = "#IMG('" + largo.right(32) + "'#IMG)";
    Escribe(c.carpetas.img + '/' + largo.right(32), "justa");
    EXPECT_FALSE(
        GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas, c.fuente()).hayError());
}

} // namespace
} // namespace vornith::document

namespace vornith::document {
namespace {

// The sample collection with its third problem showing `nombre` instead of its pictures.
ColeccionDePrueba ConImagen(const QString& nombre) {
    ColeccionDePrueba prueba;
    prueba.problemas[3].Enunciado = "#IMG('" + nombre + "'DXmm=10:DYmm=10:#IMG)&LF";
    prueba.problemas[3].Solucion = "Sin figura&LF";
    return prueba;
}

// Links in img/ and temp/ (a secret, a victim, a dangling one, /dev/zero, a pipe) are no
// pictures: nothing outside the folders is read into a file or written, and nothing blocks.
TEST(EnlacesEnLasCarpetas, NiSeLeenNiSeEscribenAtraves) {
    const Carpetas c;
    const QString fuera = c.ruta("fuera");
    Escribe(fuera + "/secreto.txt", "SECRETO");
    Escribe(fuera + "/victima.txt", "no se toca");
    const QString tuberia = fuera + "/tuberia";
    ASSERT_EQ(mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
    QDir().mkpath(c.carpetas.temp);
    const auto enlaza = [](const QString& destino, const QString& enlace) {
        ASSERT_TRUE(QFile::link(destino, enlace)) << enlace.toStdString();
    };
    enlaza(fuera + "/secreto.txt", c.carpetas.temp + "/x.gif");
    enlaza(fuera + "/secreto.txt", c.carpetas.img + "/X2.GIF");
    enlaza(fuera + "/victima.txt", c.carpetas.temp + "/y.gif");
    enlaza(fuera + "/nueva.txt", c.carpetas.temp + "/z.gif");
    enlaza("/dev/zero", c.carpetas.temp + "/cero.gif");
    enlaza(tuberia, c.carpetas.temp + "/tuberia.gif");
    const QString otraTuberia = c.carpetas.temp + "/tubo.gif";
    ASSERT_EQ(mkfifo(QFile::encodeName(otraTuberia).constData(), 0600), 0);

    // None of them is read as a picture: img/ is read for saves, temp/ for display.
    for (const char* nombre : {"x.gif", "cero.gif", "tuberia.gif", "tubo.gif"})
        EXPECT_EQ(FuenteColeccion(c.carpetas.temp, c.almacen)(nombre), std::nullopt) << nombre;
    EXPECT_EQ(c.fuente()("x2.gif"), std::nullopt);

    // The extraction writes a file of its own in place of each link, never through it.
    const std::vector<ImagenColeccion> imagenes = {{"y.gif", "GIF89a, mas larga que la victima"},
                                                   {"z.gif", "GIF89a z"},
                                                   {"cero.gif", "GIF89a 0"},
                                                   {"tuberia.gif", "GIF89a t"},
                                                   {"tubo.gif", "GIF89a u"}};
    const ResultadoExtraccion r = ExtraeImagenes(imagenes, c.carpetas);
    EXPECT_EQ(r.Escritas.size(), 5);
    for (const ImagenColeccion& imagen : imagenes) {
        const QFileInfo escrita(c.carpetas.temp + '/' + imagen.nombre);
        EXPECT_TRUE(escrita.isFile() && !escrita.isSymLink()) << imagen.nombre.toStdString();
        EXPECT_EQ(Lee(escrita.filePath()), imagen.datos);
    }
    EXPECT_EQ(Lee(fuera + "/victima.txt"), QByteArray("no se toca"));
    EXPECT_EQ(Lee(fuera + "/secreto.txt"), QByteArray("SECRETO"));
    EXPECT_EQ(QDir(fuera).entryList(QDir::Files | QDir::System),
              (QStringList{"secreto.txt", "tuberia", "victima.txt"}));

    // Now plain files, they are read.
    EXPECT_EQ(FuenteColeccion(c.carpetas.temp, c.almacen)("y.gif"), imagenes[0].datos);
}

// A save removes no file it did not make, whatever its name.
TEST(DiscoColeccion, UnGuardadoNoQuitaLosArchivosDeAlLado) {
    const Carpetas c;
    const QString ruta = c.ruta("tema.COL");
    const QStringList quedan = {"tema.COL.Backup", "tema.COL.Previo", "tema.COL.bAcKuP",
                                "tema.COL.backup", "tema.COL.aBcDeF"};
    for (const QString& nombre : quedan)
        Escribe(c.ruta(nombre), "#CABECERA(" + nombre.toUtf8());
    for (const char* contenido : {"primera", "segunda", "tercera"})
        ASSERT_FALSE(EscribeArchivo(ruta, contenido).hayError());
    EXPECT_EQ(Lee(ruta), QByteArray("tercera"));
    for (const QString& nombre : quedan)
        EXPECT_EQ(Lee(c.ruta(nombre)), "#CABECERA(" + nombre.toUtf8());
    EXPECT_EQ(QDir(c.raiz.path()).entryList(QDir::Files).size(), quedan.size() + 1);
}

// The read-back check compares the picture names written with those read.
TEST(DiscoColeccion, NombresDeImagenQueNoSeLeenIgualNoSeGuardan) {
    // Bytes whose directory names a picture otherwise than the texts do are refused.
    const ColeccionDePrueba prueba = ConImagen("hoja.gif");
    QByteArray bytes = ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                                 test::FuenteFija({{"hoja.gif", "GIF89a"}}))
                           .bytes;
    EXPECT_FALSE(CompruebaRelectura(bytes, prueba.coleccion, prueba.problemas).hayError());
    const qsizetype entrada = bytes.lastIndexOf("hoja.gif");
    bytes.replace(entrada, 8, "HOJA.gif");
    EXPECT_EQ(CompruebaRelectura(bytes, prueba.coleccion, prueba.problemas).Descripcion,
              QStringLiteral("El nombre de la imagen HOJA.gif no se leería igual desde el "
                             "archivo. No se ha guardado."));
}

} // namespace
} // namespace vornith::document
