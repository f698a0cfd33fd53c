#include "coleccion_de_prueba.h"
#include "document_fixture.h"
#include "support/fakes.h"

#include "document/disco_coleccion.h"
#include "document/texto_portapapeles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;
using test::Escribe;
using test::Lee;

using Carpetas = test::CarpetasDePrueba;

TEST(ArchivoDocumento, SaveThenOpenRestoresTheCollection) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(6, kSolucionesAlFinal, true, QStringLiteral("Repaso"));
    const QString ruta = c.raiz.filePath(QStringLiteral("repaso.col"));
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    EXPECT_EQ(f.doc->estado().ArchivoActual, ruta);
    EXPECT_FALSE(f.doc->estado().Modificado);

    DocumentFixture g(c.carpetas);
    g.doc->SetUNDO(QStringLiteral("borrar")); // an open clears the undo point
    ASSERT_TRUE(g.doc->OpenFile(ruta));
    const EstadoDocumento& d = g.doc->estado();
    EXPECT_EQ(d.Coleccion, f.doc->estado().Coleccion);
    for (int i = 1; i <= d.Coleccion.NPROB; ++i)
        EXPECT_EQ(d.Problemas[i], f.doc->estado().Problemas[i]);
    EXPECT_FALSE(d.Modificado);
    EXPECT_EQ(d.NumBloques, f.doc->estado().NumBloques);
    EXPECT_EQ(g.ventana.titulo, QStringLiteral("Zelm Software - Vornith  -  repaso.col"));
    EXPECT_EQ(g.ventana.recientes, QStringList{ruta});
    EXPECT_TRUE(g.ventana.hayColeccion);
    EXPECT_FALSE(g.ventana.deshacer);
    EXPECT_FALSE(g.cursor.isBusy());
}

TEST(ArchivoDocumento, PicturesWrittenToTempAreReadAgain) {
    Carpetas origen;
    for (const auto& [nombre, datos] : test::ImagenesDePrueba()) {
        QFile f(QDir(origen.carpetas.img).filePath(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(datos);
    }
    const test::ColeccionDePrueba prueba;
    const QString ruta = origen.raiz.filePath(QStringLiteral("con_imagenes.COL"));
    ASSERT_FALSE(GuardaColeccion(ruta, {}, prueba.coleccion, prueba.problemas,
                                 FuenteColeccion(origen.carpetas.img, AlmacenImagenes()))
                     .hayError());

    Carpetas destino;
    DocumentFixture f(destino.carpetas);
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    ASSERT_EQ(f.doc->estado().Coleccion.NPROB, 3);
    ASSERT_EQ(f.imagenes.folders.size(), 1);
    const QString primera = f.imagenes.folders[0];
    EXPECT_EQ(QFileInfo(primera).absolutePath(), QDir(destino.carpetas.temp).absolutePath());
    EXPECT_EQ(Lee(primera + QStringLiteral("/rueda.png")), test::ImagenesDePrueba()["rueda.png"]);
    EXPECT_EQ(Lee(primera + QStringLiteral("/Plano.gif")), test::ImagenesDePrueba()["Plano.gif"]);

    // Opened again: the pictures are read from a folder of their own, and the loader is told.
    ASSERT_TRUE(f.doc->OpenFile(ruta));
    ASSERT_EQ(f.imagenes.folders.size(), 2);
    EXPECT_NE(f.imagenes.folders[1], primera);
    EXPECT_FALSE(QFileInfo::exists(primera));
}

// No picture makes a collection unsavable: a missing one, one whose name the file cannot hold
// and one that would take the file past the largest that opens are left out, named in one
// message, and their references stay; the file written opens.
TEST(ArchivoDocumento, PicturesTheSaveCannotTakeAreLeftOutAndNamed) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(2);
    Escribe(c.carpetas.img + "/ hoja.gif", "GIF89a");
    // Two pasted pictures of half the largest file each: with the texts, past it.
    const QByteArray mitad(kMaxBytesArchivo / 2, 'a');
    f.d().Imagenes.Anade(QStringLiteral("mitad1.gif"), mitad);
    f.d().Imagenes.Anade(QStringLiteral("mitad2.gif"), QByteArray(kMaxBytesArchivo / 2, 'b'));
    f.d().Modificado = true;
    f.d().Problemas[2].Enunciado =
        QString(120, u'x') + QStringLiteral("#IMG('falta.gif'DXmm=10:DYmm=10:#IMG)&LF"
                                            "#IMG(' hoja.gif'DXmm=10:DYmm=10:#IMG)&LF"
                                            "#IMG('mitad1.gif'DXmm=10:DYmm=10:#IMG)&LF"
                                            "#IMG('mitad2.gif'DXmm=10:DYmm=10:#IMG)&LF");
    const QString ruta = c.raiz.filePath(QStringLiteral("a.COL"));
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    EXPECT_FALSE(f.doc->estado().Modificado);
    EXPECT_EQ(f.doc->estado().ArchivoActual, ruta);
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_EQ(f.avisos.shown[0].text,
              QStringLiteral("La colección se ha guardado sin estas imágenes:\r\n\r\n"
                             "    « hoja.gif»: el nombre empieza o termina en blanco\r\n"
                             "    «falta.gif»: no se encuentra el archivo de la imagen\r\n"
                             "    «mitad2.gif»: el archivo pasaría de 128 MB, lo más que se puede "
                             "abrir\r\n\r\n"
                             "Sus referencias se conservan en los textos."));
    EXPECT_EQ(f.avisos.shown[0].icon, Notifier::Icon::Information);
    const LecturaColeccion leida = AbreArchivoColeccion(ruta);
    ASSERT_EQ(leida.Fallo, FalloLectura::Ninguno);
    EXPECT_EQ(leida.Datos.Problemas[2], f.doc->estado().Problemas[2]);
    ASSERT_EQ(leida.Datos.Imagenes.size(), 1U);
    EXPECT_EQ(leida.Datos.Imagenes[0].nombre, QStringLiteral("mitad1.gif"));
    EXPECT_TRUE(leida.Datos.Imagenes[0].datos == mitad);
}

// Nothing is saved in the program's data folder, as the platform gives it, nor through a link
// into it; the folder of the running program is no concern of the document.
TEST(ArchivoDocumento, NothingIsSavedInTheProgramsDataFolder) {
    Carpetas c;
    const QString programa = c.raiz.filePath(QStringLiteral("programa"));
    ASSERT_TRUE(QDir().mkpath(programa + QStringLiteral("/Ejemplos")));
    Escribe(programa + QStringLiteral("/Ejemplos/ejemplo.col"), "enviado");
    ASSERT_TRUE(QFile::link(programa + QStringLiteral("/Ejemplos/ejemplo.col"),
                            c.raiz.filePath(QStringLiteral("enlace.col"))));
    QTemporaryDir binario(QCoreApplication::applicationDirPath() +
                          QStringLiteral("/guardar-XXXXXX"));
    const struct {
        QString ruta;
        bool protegido;
    } casos[] = {
        {programa + QStringLiteral("/nueva.col"), true},
        {programa + QStringLiteral("/Ejemplos/ejemplo.col"), true},
        {c.raiz.filePath(QStringLiteral("enlace.col")), true},
        {c.raiz.filePath(QStringLiteral("programa2.col")), false}, // beside it
        {binario.filePath(QStringLiteral("prueba.col")), false},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.ruta.toStdString());
        DocumentFixture f(c.carpetas);
        f.datosPrograma.carpeta = programa;
        f.crear(2);
        EXPECT_EQ(f.doc->SaveFile(caso.ruta), !caso.protegido);
        EXPECT_EQ(f.doc->estado().Modificado, caso.protegido);
        EXPECT_EQ(f.ventana.guardarComo, caso.protegido ? 1 : 0);
        if (!caso.protegido) {
            EXPECT_EQ(AbreArchivoColeccion(caso.ruta).Fallo, FalloLectura::Ninguno);
            continue;
        }
        ASSERT_EQ(f.avisos.shown.size(), 1U);
        EXPECT_TRUE(f.avisos.shown[0].text.startsWith(
            QStringLiteral("Lo sentimos: Archivo protegido contra escritura.")));
    }
    EXPECT_FALSE(QFileInfo::exists(programa + QStringLiteral("/nueva.col")));
    EXPECT_EQ(Lee(programa + QStringLiteral("/Ejemplos/ejemplo.col")), QByteArray("enviado"));
}

TEST(ArchivoDocumento, TitleTheFileCannotHoldIsRefusedAndTheOldFileStays) {
    const struct {
        const char* titulo;
        const char* razon; // empty: saved and read back the same
    } casos[] = {
        {"Tema 1 #CABECERA) fin", "El título contiene «#CABECERA)»"},
        {"Curso #TITULO) 2", "El título contiene «#TITULO)»"},
        {"Movimiento con Δv y π", "El título contiene el carácter «Δ» (U+0394)"},
        {" Tema #1 (repaso) € ", ""},
    };
    for (const auto& caso : casos) {
        Carpetas c;
        const QString ruta = c.raiz.filePath(QStringLiteral("curso.COL"));
        QFile viejo(ruta);
        ASSERT_TRUE(viejo.open(QIODevice::WriteOnly));
        viejo.write("contenido viejo");
        viejo.close();
        DocumentFixture f(c.carpetas);
        f.crear(2, kSolucionTrasProblema, true, QString::fromUtf8(caso.titulo));
        const QString razon = QString::fromUtf8(caso.razon);
        if (razon.isEmpty()) {
            ASSERT_TRUE(f.doc->SaveFile(ruta));
            DocumentFixture g(c.carpetas);
            g.doc->OpenFile(ruta);
            EXPECT_EQ(g.doc->estado().Coleccion, f.doc->estado().Coleccion);
            continue;
        }
        EXPECT_FALSE(f.doc->SaveFile(ruta)) << caso.titulo;
        EXPECT_TRUE(f.doc->estado().Modificado);
        EXPECT_EQ(Lee(ruta), QByteArray("contenido viejo"));
        ASSERT_EQ(f.avisos.shown.size(), 1U);
        EXPECT_TRUE(f.avisos.shown[0].text.startsWith(
            QStringLiteral("Error al guardar archivo.\r\n") + razon))
            << f.avisos.shown[0].text.toStdString();
        EXPECT_EQ(f.avisos.shown[0].title, QStringLiteral("Vornith NORV"));
        EXPECT_EQ(f.avisos.shown[0].icon, Notifier::Icon::Critical);
        EXPECT_EQ(f.ventana.guardarComo, 0);
    }
}

TEST(ArchivoDocumento, PastedStatementWithAGreekLetterIsRefusedByName) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(2);
    Problema p = f.doc->estado().Problemas[2];
    p.Enunciado = QStringLiteral("Un ángulo α&LF");
    f.portapapeles.setText(TextoPortapapeles(p));
    f.doc->DibujaPagina();
    f.doc->Pegar();
    ASSERT_EQ(f.doc->estado().Problemas[1], p);
    const QString ruta = c.raiz.filePath(QStringLiteral("pegado.COL"));
    EXPECT_FALSE(f.doc->SaveFile(ruta));
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_TRUE(f.avisos.shown[0].text.contains(
        QStringLiteral("El enunciado del problema 1 contiene el carácter «α» (U+03B1)")));
    EXPECT_FALSE(QFile::exists(ruta));
    EXPECT_TRUE(f.doc->estado().Modificado);
}

// Over an open collection, tied to its file, modified, with an undo point: a damaged file, one
// that does not exist, and a name that is no collection's change nothing of it. The message
// names the file.
TEST(ArchivoDocumento, FailedOpenLeavesTheOpenCollectionAsItWas) {
    const struct {
        const char* nombre;
        QByteArray bytes; // empty: the file is not made
        QString texto;
        QString titulo;
        Notifier::Icon icono;
    } casos[] = {
        {"roto.COL", "#CABECERA(#PROPARAM(basura", QStringLiteral("El Archivo es incorrecto"),
         QStringLiteral("Error"), Notifier::Icon::Exclamation},
        {"vacio.COL",
         "#CABECERA(#PROPARAM(#PROPARAM)#TITULO(#TITULO)#POSNUMPAG( 1#POSNUMPAG)#COLRESPRO( "
         "0#COLRESPRO)#ORDENA(0#ORDENA)#PAGINI( 1#PAGINI)#POSSOL( 1#POSSOL)#PROPRE(#PROPRE)"
         "#PROSUF(#PROSUF)#PROINI( 1#PROINI)#CABECERA)",
         QStringLiteral("Error al abrir el archivo"), QStringLiteral("Vornith NORV"),
         Notifier::Icon::None},
        {"falta.COL",
         {},
         QStringLiteral("El archivo no existe."),
         QStringLiteral("Vornith NORV"),
         Notifier::Icon::Exclamation},
        {"notas.txt", "#CABECERA(", {}, {}, {}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Carpetas c;
        const QString ruta = c.raiz.filePath(QString::fromLatin1(caso.nombre));
        if (!caso.bytes.isEmpty()) {
            QFile archivo(ruta);
            ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
            archivo.write(caso.bytes);
        }
        DocumentFixture f(c.carpetas);
        f.crear(12, kSolucionTrasProblema, true, QStringLiteral("Repaso"));
        const QString abierto = c.raiz.filePath(QStringLiteral("repaso.COL"));
        ASSERT_TRUE(f.doc->SaveFile(abierto));
        f.ventana.titulo = TituloConArchivo(f.ventana.TituloAplicacion(), abierto);
        f.ventana.hayColeccion = true;
        f.muestraYSelecciona(2);
        f.doc->Borrar();
        f.doc->PonPaginaActual(2);
        const EstadoDocumento& d = f.doc->estado();
        const EstadoDocumento antes = d;
        const test::FakeVentana ventana = f.ventana;
        f.avisos.shown.clear();

        EXPECT_FALSE(f.doc->OpenFile(ruta));
        if (caso.texto.isEmpty()) {
            EXPECT_TRUE(f.avisos.shown.empty());
        } else {
            ASSERT_EQ(f.avisos.shown.size(), 1U);
            EXPECT_EQ(f.avisos.shown[0].text,
                      caso.texto + QStringLiteral("\r\nNombre archivo: ") + ruta);
            EXPECT_EQ(f.avisos.shown[0].title, caso.titulo);
            EXPECT_EQ(f.avisos.shown[0].icon, caso.icono);
        }
        EXPECT_EQ(d.Coleccion, antes.Coleccion);
        for (int i = 1; i <= 12; ++i)
            EXPECT_EQ(d.Problemas[i], antes.Problemas[i]) << i;
        EXPECT_EQ(d.ArchivoActual, abierto);
        EXPECT_TRUE(d.Modificado);
        EXPECT_EQ(d.NumBloques, antes.NumBloques);
        EXPECT_EQ(d.NumPaginas, antes.NumPaginas);
        EXPECT_EQ(d.PaginaActual, 2);
        EXPECT_TRUE(d.Undo.Hay);
        EXPECT_EQ(d.Undo.Descripcion, QStringLiteral("borrar"));
        EXPECT_EQ(f.ventana.titulo, ventana.titulo);
        EXPECT_TRUE(f.ventana.hayColeccion);
        EXPECT_FALSE(f.ventana.generando);
        EXPECT_EQ(f.ventana.vecesGenerando, ventana.vecesGenerando);
        EXPECT_TRUE(f.ventana.recientes.isEmpty());
        EXPECT_FALSE(f.cursor.isBusy());
        EXPECT_FALSE(d.Ocupado);
    }
}

TEST(ArchivoDocumento, SkippedPicturesAreNamedOnceAndLeftOutOfTheSave) {
    Carpetas c;
    const test::ColeccionDePrueba prueba;
    QByteArray bytes = ConstruyeArchivoColeccion(prueba.coleccion, prueba.problemas,
                                                 test::FuenteFija(test::ImagenesDePrueba()))
                           .bytes;
    bytes.chop(1); // the last picture runs past the end: the directory is refused
    const QString ruta = c.raiz.filePath(QStringLiteral("dibujos.COL"));
    QFile archivo(ruta);
    ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
    archivo.write(bytes);
    archivo.close();

    const auto abre = [&](DocumentFixture& f) {
        EXPECT_TRUE(f.doc->OpenFile(ruta));
        ASSERT_EQ(f.doc->estado().Coleccion.NPROB, 3);
        ASSERT_EQ(f.avisos.shown.size(), 1U);
        const auto& aviso = f.avisos.shown[0];
        EXPECT_TRUE(aviso.text.contains(QStringLiteral("rueda.png\r\n    Plano.gif")))
            << aviso.text.toStdString();
        EXPECT_EQ(aviso.title, QStringLiteral("Vornith NORV"));
    };
    DocumentFixture f(c.carpetas);
    abre(f);
    EXPECT_EQ(f.doc->estado().Problemas[3], prueba.problemas[3]); // the references stay

    // Saved without the pictures, said once, with the reason.
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    ASSERT_EQ(f.avisos.shown.size(), 2U);
    EXPECT_EQ(f.avisos.shown[1].text,
              QStringLiteral("La colección se ha guardado sin estas imágenes:\r\n\r\n"
                             "    «rueda.png»: no se pudo leer del archivo al abrirlo\r\n"
                             "    «Plano.gif»: no se pudo leer del archivo al abrirlo\r\n\r\n"
                             "Sus referencias se conservan en los textos."));
    f.d().Modificado = true;
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    EXPECT_EQ(f.avisos.shown.size(), 2U);
    EXPECT_FALSE(f.doc->estado().Modificado);

    DocumentFixture g(c.carpetas);
    abre(g);
    EXPECT_EQ(g.doc->estado().Coleccion, f.doc->estado().Coleccion);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(g.doc->estado().Problemas[i], prueba.problemas[i]);

    // A picture named later and missing too is left out, and named at the save, once.
    g.d().Problemas[1].Enunciado += QStringLiteral("#IMG('otra.png'#IMG)");
    const auto avisos = g.avisos.shown.size();
    EXPECT_TRUE(g.doc->SaveFile(ruta));
    ASSERT_EQ(g.avisos.shown.size(), avisos + 1);
    EXPECT_TRUE(g.avisos.shown.back().text.startsWith(
        QStringLiteral("La colección se ha guardado sin estas imágenes:\r\n\r\n")));
    EXPECT_TRUE(g.avisos.shown.back().text.contains(
        QStringLiteral("    «otra.png»: no se encuentra el archivo de la imagen\r\n")))
        << g.avisos.shown.back().text.toStdString();
    EXPECT_TRUE(g.doc->SaveFile(ruta));
    EXPECT_EQ(g.avisos.shown.size(), avisos + 1);
}

TEST(ArchivoDocumento, WrongExtensionIsIgnoredQuietly) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(2);
    EXPECT_FALSE(f.doc->OpenFile(QStringLiteral("/tmp/notas.txt")));
    EXPECT_TRUE(f.avisos.shown.empty());
    EXPECT_TRUE(f.doc->estado().ArchivoActual.isEmpty());
    EXPECT_EQ(f.doc->estado().Coleccion.NPROB, 2); // the open collection stays

    // A collection tied to its file keeps its file and its undo point.
    const QString ruta = c.raiz.filePath(QStringLiteral("dos.col"));
    ASSERT_TRUE(f.doc->SaveFile(ruta));
    f.doc->SetUNDO(QStringLiteral("borrar"));
    EXPECT_FALSE(f.doc->OpenFile(c.raiz.filePath(QStringLiteral("dos.txt"))));
    EXPECT_EQ(f.doc->estado().ArchivoActual, ruta);
    EXPECT_TRUE(f.ventana.deshacer);
    EXPECT_TRUE(f.avisos.shown.empty());
}

} // namespace
} // namespace vornith::document
