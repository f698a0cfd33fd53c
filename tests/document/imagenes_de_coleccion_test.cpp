#include "coleccion_de_prueba.h"
#include "document_fixture.h"

#include "document/disco_coleccion.h"
#include "document/imagenes_pegadas.h"
#include "document/texto_portapapeles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLockFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

#include <sys/stat.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;
using test::Escribe;
using test::Lee;

using Carpetas = test::CarpetasDePrueba;
using test::GuardaConImagenes;
using test::ImagenesDe;

// The regular files under `carpeta`, at any depth, but lock files.
QStringList Archivos(const QString& carpeta) {
    QStringList archivos;
    QDirIterator it(carpeta, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString ruta = it.next();
        if (!ruta.endsWith(QLatin1String(".lock"))) archivos.append(ruta);
    }
    return archivos;
}

// What the user was told of pictures not shown or not saved.
QStringList AvisosDeImagenes(const DocumentFixture& f) {
    QStringList avisos;
    for (const auto& aviso : f.avisos.shown)
        if (aviso.text.contains(u"imágenes")) avisos.append(aviso.text);
    return avisos;
}

TEST(ImagenesDeColeccion, DosArchivosConUnNombreDeImagenGuardanCadaUnoLaSuya) {
    Carpetas c;
    const std::map<QString, QByteArray> deP = {{"figura1.gif", "GIF89a P pequena"}};
    const std::map<QString, QByteArray> deQ = {{"FIGURA1.gif", "GIF89a Q, mas grande que la de P"}};
    const QString p = GuardaConImagenes(c, "P.COL", deP);
    const QString q = GuardaConImagenes(c, "Q.COL", deQ);

    // One program opening them in turn, saving each time.
    DocumentFixture f(c.carpetas);
    for (int vez = 0; vez < 3; ++vez) {
        for (const auto& [ruta, imagenes] : {std::pair{q, deQ}, std::pair{p, deP}}) {
            ASSERT_TRUE(f.doc->OpenFile(ruta));
            EXPECT_TRUE(AvisosDeImagenes(f).isEmpty());
            const QString carpeta = f.imagenes.folders.back();
            EXPECT_EQ(Lee(carpeta + '/' + imagenes.begin()->first), imagenes.begin()->second);
            ASSERT_TRUE(f.doc->SaveFile(ruta));
            EXPECT_EQ(ImagenesDe(ruta), imagenes) << ruta.toStdString();
        }
    }

    // Two programs at once, sharing temp/: each keeps its own, whoever opened last.
    DocumentFixture g(c.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(q));
    ASSERT_TRUE(g.doc->OpenFile(p));
    ASSERT_TRUE(f.doc->OpenFile(q));
    ASSERT_TRUE(f.doc->SaveFile(c.ruta("Q2.COL")));
    ASSERT_TRUE(g.doc->SaveFile(c.ruta("P2.COL")));
    EXPECT_EQ(ImagenesDe(c.ruta("Q2.COL")), deQ);
    EXPECT_EQ(ImagenesDe(c.ruta("P2.COL")), deP);
    EXPECT_NE(f.imagenes.folders.back(), g.imagenes.folders.back());
}

TEST(ImagenesDeColeccion, TempGuardaSoloLasImagenesDeLasColeccionesAbiertas) {
    Carpetas c;
    QStringList rutas;
    for (int archivo = 0; archivo < 3; ++archivo) {
        std::map<QString, QByteArray> imagenes;
        for (int k = 0; k < kMaxImagenesArchivo; ++k)
            imagenes[QStringLiteral("f%1_%2.gif").arg(archivo).arg(k)] = "GIF89a";
        rutas.append(GuardaConImagenes(c, QStringLiteral("A%1.COL").arg(archivo), imagenes));
    }
    // Left by programs that are no longer running: a folder and a picture of older versions.
    Escribe(c.carpetas.temp + "/col-1-1/vieja.gif", "vieja");
    Escribe(c.carpetas.temp + "/suelta.gif", "suelta");

    {
        DocumentFixture f(c.carpetas);
        for (const QString& ruta : rutas) {
            ASSERT_TRUE(f.doc->OpenFile(ruta));
            EXPECT_TRUE(AvisosDeImagenes(f).isEmpty());
            const QStringList archivos = Archivos(c.carpetas.temp);
            EXPECT_EQ(archivos.size(), kMaxImagenesArchivo);
            EXPECT_TRUE(archivos.first().startsWith(f.imagenes.folders.back()));
        }

        // Another program running at the same time keeps its pictures, and so does this one.
        DocumentFixture g(c.carpetas);
        ASSERT_TRUE(g.doc->OpenFile(rutas[0]));
        EXPECT_EQ(Archivos(c.carpetas.temp).size(), 2 * kMaxImagenesArchivo);
        EXPECT_EQ(Archivos(f.imagenes.folders.back()).size(), kMaxImagenesArchivo);
        ASSERT_TRUE(f.doc->SaveFile(rutas[2]));
    }
    // Both programs closed: nothing of theirs is left.
    EXPECT_TRUE(Archivos(c.carpetas.temp).isEmpty());
}

// What temp/ holds that the program did not make (links to a victim, to nowhere, to a folder
// outside; lock names that are links to a pipe, to /dev/zero, to a lock held by a running
// program; a lock that is a pipe) is removed without being followed or read: the open returns,
// nothing outside changes, and the file's pictures are its own.
TEST(ImagenesDeColeccion, LoAjenoEnTempSeQuitaSinSeguirlo) {
    Carpetas c;
    const QString fuera = c.ruta("fuera");
    Escribe(fuera + "/victima.txt", "no se toca");
    const QString tuberia = fuera + "/tuberia";
    ASSERT_EQ(mkfifo(QFile::encodeName(tuberia).constData(), 0600), 0);
    QLockFile ajeno(fuera + "/ajeno.lock");
    ASSERT_TRUE(ajeno.tryLock(0));
    const QByteArray cerrojo = Lee(fuera + "/ajeno.lock");
    Escribe(c.carpetas.temp + "/col-1-2/vieja.gif", "vieja"); // left by a program not running
    for (const char* carpeta : {"col-5-1", "col-5-2", "col-5-3", "col-5-4"})
        Escribe(c.carpetas.temp + '/' + carpeta + "/vieja.gif", "vieja");
    const std::pair<QString, QString> enlaces[] = {{fuera + "/victima.txt", "y.gif"},
                                                   {fuera + "/nueva.txt", "z.gif"},
                                                   {fuera, "col-1-1"},
                                                   {fuera, "col-1-2/sub"},
                                                   {fuera + "/victima.txt", "col-1-2/v.gif"},
                                                   {tuberia, "col-5-1.lock"},
                                                   {"/dev/zero", "col-5-2.lock"},
                                                   {fuera + "/ajeno.lock", "col-5-3.lock"}};
    for (const auto& [destino, enlace] : enlaces)
        ASSERT_TRUE(QFile::link(destino, c.carpetas.temp + '/' + enlace)) << enlace.toStdString();
    ASSERT_EQ(mkfifo(QFile::encodeName(c.carpetas.temp + "/col-5-4.lock").constData(), 0600), 0);
    const std::map<QString, QByteArray> imagenes = {{"y.gif", "GIF89a y"}, {"z.gif", "GIF89a z"}};
    const QString ruta = GuardaConImagenes(c, "E.COL", imagenes);

    DocumentFixture f(c.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    EXPECT_TRUE(AvisosDeImagenes(f).isEmpty());
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    EXPECT_EQ(ImagenesDe(ruta), imagenes);
    EXPECT_EQ(Lee(fuera + "/victima.txt"), QByteArray("no se toca"));
    EXPECT_EQ(Lee(fuera + "/ajeno.lock"), cerrojo);
    EXPECT_EQ(QDir(fuera).entryList(QDir::Files | QDir::System, QDir::Name),
              (QStringList{"ajeno.lock", "tuberia", "victima.txt"}));
    const QString propia = QFileInfo(f.imagenes.folders.back()).fileName();
    EXPECT_EQ(QDir(c.carpetas.temp)
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{propia, propia + ".lock"}));

    // temp/ itself a link: nothing is removed or written where it points.
    Carpetas d;
    Escribe(d.ruta("otra/dato.txt"), "dato");
    ASSERT_TRUE(QFile::link(d.ruta("otra"), d.carpetas.temp));
    DocumentFixture g(d.carpetas);
    ASSERT_TRUE(g.doc->OpenFile(ruta));
    ASSERT_EQ(g.avisos.shown.size(), 1U);
    EXPECT_TRUE(g.avisos.shown[0].text.contains("    y.gif\r\n    z.gif\r\n"));
    EXPECT_TRUE(g.avisos.shown[0].text.endsWith(d.carpetas.temp + " es un enlace."));
    EXPECT_EQ(QDir(d.ruta("otra")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"dato.txt"});
}

// A picture whose name another file system cannot hold is not written anywhere: it counts as
// unreadable, with the message, and the file opens.
TEST(ImagenesDeColeccion, NombresQueOtrosSistemasNoAdmitenSonImagenesNoLeidas) {
    Carpetas c;
    // Written under names of the same length, then renamed inside the file's bytes.
    const QString ruta = GuardaConImagenes(
        c, "R.COL", {{"COX.gif", "GIF89a con"}, {"aXb.gif", "GIF89a ab"}, {"bien.gif", "GIF89a"}});
    QByteArray bytes = Lee(ruta);
    bytes.replace("COX.gif", "CON.gif").replace("aXb.gif", "a?b.gif");
    Escribe(ruta, bytes);

    DocumentFixture f(c.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 3);
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    const QString& aviso = f.avisos.shown[0].text;
    EXPECT_TRUE(aviso.startsWith(QStringLiteral("No se han podido leer estas imágenes")));
    EXPECT_TRUE(aviso.contains(QStringLiteral("    CON.gif\r\n")));
    EXPECT_TRUE(aviso.contains(QStringLiteral("    a?b.gif\r\n")));
    EXPECT_FALSE(aviso.contains(QStringLiteral("bien.gif")));
    const QStringList escritas = Archivos(c.carpetas.temp);
    ASSERT_EQ(escritas.size(), 1);
    EXPECT_TRUE(escritas[0].endsWith(QStringLiteral("/bien.gif")));
}

// A problem pasted after its file was closed brings its pictures in the data Copy put beside
// its text; those data beside a text that does not name the pictures bring nothing.
TEST(ImagenesDeColeccion, UnProblemaPegadoTraeSusImagenes) {
    Carpetas c;
    const QByteArray deP = "GIF89a de P";
    const QString p = GuardaConImagenes(c, "P.COL", {{"figura1.gif", deP}});
    const QString r = GuardaConImagenes(c, "R.COL", {});
    DocumentFixture f(c.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(p));
    f.muestraYSelecciona(3);
    f.doc->Copiar();
    const Problema copiado = f.doc->estado().Problemas[3];
    const QByteArray datos = f.portapapeles.content(kMaxBytesArchivo).content.data;
    ASSERT_TRUE(f.doc->OpenFile(r)); // P is closed: its folder is gone
    f.portapapeles.setTextAndData(TextoPortapapeles(f.doc->estado().Problemas[1]), datos);
    f.doc->Pegar();
    ASSERT_TRUE(f.doc->SaveFile(r));
    EXPECT_TRUE(ImagenesDe(r).empty());
    f.portapapeles.setTextAndData(TextoPortapapeles(copiado), datos);
    f.doc->Pegar();
    EXPECT_EQ(f.doc->estado().Problemas[1], copiado);
    EXPECT_EQ(Lee(f.imagenes.folders.back() + "/figura1.gif"), deP);
    ASSERT_TRUE(f.doc->SaveFile(r));
    EXPECT_EQ(ImagenesDe(r), (std::map<QString, QByteArray>{{"figura1.gif", deP}}));
}

// Every tag of a pasted problem shows, and saves, the bytes it showed where it was copied: its
// pictures' names are all decided first (never one renamed onto another of the paste, each tag
// renamed once), a name already holding the same bytes is taken again, a name that fills the
// directory is shortened, and names are compared whatever their case. A new collection gets a
// folder for them. Pictures temp/ cannot hold are named, and saved all the same; so are those
// the text names without bringing them (but img/'s), or whose data cannot be read (img/'s too); a
// picture that can have no name refuses the paste and keeps Paste available.
TEST(ImagenesDeColeccion, UnPegadoNoCambiaNiPierdeImagenes) {
    const QByteArray rojo = "GIF89a rojo", azul = "GIF89a azul", verde = "GIF89a verde",
                     gris = "GIF89a gris";
    const QString lleno = "a." + QString(30, u'x'), sinOtro = "a." + QString(27, u'x') + " yz";
    using Imagenes = std::map<QString, QByteArray>;
    struct Caso {
        const char* nombre;
        // Of the copied problem, in order, with the bytes each shows and saves (none: neither).
        std::vector<std::pair<QString, QByteArray>> etiquetas;
        Imagenes receptora; // the receiving file's pictures; none: a new collection
        bool tempBloqueada;
        QString aviso = {};    // the start of the one message, if any
        std::optional<QByteArray> datos = {}; // what came for the program's data, if not its own
        QString antes = {};    // markup before the tags
        Imagenes propias = {}; // img/'s pictures
        qsizetype cortados = 0;  // bytes cut off the end of the program's data
        bool danados = false;    // the program's data come garbled
        bool acortada = false;   // the last picture's length a byte short in the directory
        bool nombreRaro = false; // the first picture's name in the directory not a file name
    };
    const QString danadas = "Las imágenes del problema pegado han llegado dañadas:\r\n\r\n"
                            "    fig.gif\r\n    propia.gif\r\n\r\nDonde la colección";
    const Caso casos[] = {
        {"cadena",
         {{"fig.gif", azul}, {"fig.gif", azul}, {"fig-2.gif", verde}},
         {{"fig.gif", rojo}},
         false},
        {"ya pegada", {{"fig.gif", azul}}, {{"fig.gif", rojo}, {"fig-2.gif", azul}}, false},
        {"colección nueva", {{"fig.gif", azul}}, {}, false},
        {"nombre lleno", {{lleno, azul}}, {{lleno, rojo}}, false},
        {"mayúsculas", {{"FIG.gif", azul}, {"Fig-2.gif", verde}}, {{"fig.gif", rojo}}, true,
         "No se pueden mostrar estas imágenes del problema pegado:\r\n\r\n    FIG-3.gif\r\n    "
         "Fig-2.gif"},
        {"etiqueta sin comillas", {{"fig.gif", azul}}, {{"fig.gif", rojo}}, false, {}, {},
         "#IMG(sin comillas "},
        {"sin datos", {{"fig.gif", rojo}, {"fig.", {}}, {"propia.gif", gris}}, {{"fig.gif", rojo}},
         false,
         "Estas imágenes del problema pegado no han llegado con él:\r\n\r\n    fig.gif\r\n    "
         "fig.\r\n\r\nDonde la colección",
         QByteArray(), {}, {{"propia.gif", gris}}},
        {"datos ilegibles", {{"fig.gif", rojo}, {"propia.gif", gris}}, {{"fig.gif", rojo}}, false,
         danadas, QByteArray("no es una colección"), {}, {{"propia.gif", gris}}},
        {"datos cortados en las imágenes", {{"fig.gif", rojo}, {"propia.gif", gris}},
         {{"fig.gif", rojo}}, false, danadas, {}, {}, {{"propia.gif", gris}}, 8},
        {"datos dañados al llegar", {{"fig.gif", rojo}, {"propia.gif", gris}}, {{"fig.gif", rojo}},
         false, danadas, {}, {}, {{"propia.gif", gris}}, 0, true},
        {"última imagen acortada", {{"fig.gif", rojo}, {"propia.gif", gris}}, {{"fig.gif", rojo}},
         false, danadas, {}, {}, {{"propia.gif", gris}}, 0, false, true},
        {"nombre que no es de archivo", {{"fig.gif", rojo}, {"propia.gif", gris}},
         {{"fig.gif", rojo}}, false, danadas, {}, {}, {{"propia.gif", gris}}, 0, false, false, true},
        {"sin nombre", {{sinOtro, azul}}, {{sinOtro, rojo}}, false,
         "No se puede pegar el problema: la colección ya tiene otra imagen llamada «" + sinOtro +
             "»"},
    };
    const QRegularExpression etiqueta(QStringLiteral("#IMG\\('([^']*)'"));
    const auto nombres = [&](const QString& texto) {
        QStringList lista;
        for (const auto& m : etiqueta.globalMatch(texto))
            lista.append(m.captured(1));
        return lista;
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Carpetas c;
        const QString q = caso.receptora.empty() ? c.ruta("Q.COL")
                                                 : GuardaConImagenes(c, "Q.COL", caso.receptora);
        if (caso.tempBloqueada) Escribe(c.carpetas.temp, "no es una carpeta");
        for (const auto& [nombre, bytes] : caso.propias)
            Escribe(c.carpetas.img + '/' + nombre, bytes);
        DocumentFixture f(c.carpetas);
        if (caso.receptora.empty())
            f.crear(3);
        else
            ASSERT_TRUE(f.doc->OpenFile(q));
        Problema copiado = f.doc->estado().Problemas[1];
        copiado.Enunciado += caso.antes;
        Imagenes origen;
        for (const auto& [nombre, bytes] : caso.etiquetas) {
            copiado.Enunciado += "#IMG('" + nombre + "'DXmm=5:DYmm=5:#IMG)&LF";
            origen[nombre] = bytes;
        }
        QByteArray datos =
            caso.datos.value_or(DatosPortapapeles(copiado, test::FuenteFija(origen)));
        if (caso.acortada) { // the last length field stands right before the first picture
            const int d = datos.mid(datos.indexOf("#BINDIR(") + 8, 8).trimmed().toInt() - 1;
            const int largo = datos.mid(d + 32, 8).trimmed().toInt() - 9;
            const QByteArray corto = QByteArray::number(datos.mid(largo, 8).trimmed().toInt() - 1);
            datos.replace(largo, 8, corto.leftJustified(8));
        }
        if (caso.nombreRaro) { // the directory starts with the first picture's name
            const int d = datos.mid(datos.indexOf("#BINDIR(") + 8, 8).trimmed().toInt() - 1;
            datos.replace(d, 7, "f/g.gif");
        }
        f.portapapeles.setTextAndData(TextoPortapapeles(copiado), datos.chopped(caso.cortados));
        f.portapapeles.dataDamaged = caso.danados;
        f.avisos.shown.clear();
        f.muestraYSelecciona(1);
        f.doc->Pegar();
        ASSERT_EQ(f.avisos.shown.size(), caso.aviso.isEmpty() ? 0u : 1u);
        const QString aviso = caso.aviso.isEmpty() ? QString() : f.avisos.shown[0].text;
        EXPECT_TRUE(aviso.startsWith(caso.aviso)) << aviso.toStdString();
        const bool rechazado = caso.aviso.startsWith("No se puede pegar");
        ASSERT_EQ(f.doc->estado().Coleccion.NPROB, rechazado ? 3 : 4);
        ASSERT_TRUE(f.doc->SaveFile(q));
        const Imagenes guardadas = ImagenesDe(q);
        std::set<QByteArray> distintas; // no picture is saved twice
        for (const auto& [nombre, bytes] : guardadas)
            distintas.insert(bytes);
        EXPECT_EQ(distintas.size(), guardadas.size());
        for (const auto& [nombre, bytes] : caso.receptora)
            EXPECT_EQ(guardadas.at(nombre), bytes);
        if (rechazado) {
            EXPECT_EQ(guardadas, caso.receptora); // nothing taken
            EXPECT_TRUE(f.ventana.pegar);
            continue;
        }
        const QStringList pegadas = nombres(f.doc->estado().Problemas[1].Enunciado);
        ASSERT_EQ(pegadas.size(), qsizetype(caso.etiquetas.size()));
        for (std::size_t i = 0; i < caso.etiquetas.size(); ++i) {
            SCOPED_TRACE(pegadas[i].toStdString());
            EXPECT_LE(pegadas[i].size(), kLongitudNombre);
            ASSERT_EQ(guardadas.count(pegadas[i]), caso.etiquetas[i].second.isEmpty() ? 0 : 1);
            if (caso.etiquetas[i].second.isEmpty()) continue;
            EXPECT_EQ(guardadas.at(pegadas[i]), caso.etiquetas[i].second);
            if (!caso.tempBloqueada) {
                ASSERT_FALSE(f.imagenes.folders.isEmpty());
                const QString carpeta =
                    caso.propias.contains(pegadas[i]) ? c.carpetas.img : f.imagenes.folders.back();
                EXPECT_EQ(Lee(carpeta + '/' + pegadas[i]), caso.etiquetas[i].second);
            }
        }
        if (caso.tempBloqueada) {
            EXPECT_TRUE(aviso.endsWith(c.carpetas.temp + " no es una carpeta."));
        }
    }
}

// Pictures temp/ cannot hold show as placeholders, named with the reason, and every picture the
// file carried is saved again, byte for byte: beyond the limits of one file, or with no temp/.
TEST(ImagenesDeColeccion, LoQueTempNoGuardaSeNombraYSeGuardaIgual) {
    Carpetas c;
    std::map<QString, QByteArray> imagenes;
    for (int k = 0; k < 300; ++k)
        imagenes[QStringLiteral("p%1.gif").arg(k, 3, 10, QLatin1Char('0'))] =
            "GIF89a " + QByteArray::number(k);
    const QString ruta = GuardaConImagenes(c, "muchas.COL", imagenes);

    DocumentFixture f(c.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    ASSERT_EQ(AvisosDeImagenes(f).size(), 1); // the problem is also too tall for a page
    const QString texto = AvisosDeImagenes(f)[0];
    EXPECT_TRUE(
        texto.startsWith(QStringLiteral("No se pueden mostrar estas imágenes del archivo")));
    EXPECT_TRUE(texto.contains(QStringLiteral("p256.gif\r\n"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("... y 24 más")));
    EXPECT_TRUE(texto.endsWith(QStringLiteral("ni más de 64 MB de imágenes.")));
    EXPECT_EQ(QDir(f.imagenes.folders.back()).entryList(QDir::Files).size(), kMaxImagenesArchivo);
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    EXPECT_EQ(AvisosDeImagenes(f).size(), 1);
    EXPECT_EQ(ImagenesDe(ruta), imagenes);

    // temp/ a plain file: nothing is shown, the message says why, and the save keeps them all.
    Carpetas bloqueada;
    Escribe(bloqueada.carpetas.temp, "no es una carpeta");
    DocumentFixture g(bloqueada.carpetas);
    ASSERT_TRUE(g.doc->OpenFile(ruta));
    ASSERT_EQ(AvisosDeImagenes(g).size(), 1);
    EXPECT_TRUE(AvisosDeImagenes(g)[0].endsWith("La carpeta temporal no se puede usar: " +
                                                bloqueada.carpetas.temp + " no es una carpeta."));
    ASSERT_TRUE(g.doc->SaveFile(ruta));
    EXPECT_EQ(ImagenesDe(ruta), imagenes);
}

} // namespace
} // namespace vornith::document
