#include "document_fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith::document {
namespace {

using test::DocumentFixture;

struct Carpetas {
    Carpetas() {
        QDir(raiz.path()).mkpath(QStringLiteral("img"));
        carpetas = {raiz.filePath(QStringLiteral("img")), raiz.filePath(QStringLiteral("temp"))};
    }
    QTemporaryDir raiz;
    PictureFolders carpetas;
};

TEST(ArchivoDocumento, SaveThenOpenRestoresTheCollection) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(6, kSolucionesAlFinal, true, QStringLiteral("Repaso"));
    const QString ruta = c.raiz.filePath(QStringLiteral("repaso.col"));
    f.doc->d.ArchivoActual = ruta;
    ASSERT_TRUE(f.doc->SaveFile());
    EXPECT_FALSE(f.doc->d.Modificado);

    DocumentFixture g(c.carpetas);
    g.doc->SetUNDO(QStringLiteral("borrar")); // an open clears the undo point
    g.doc->d.ArchivoActual = ruta;
    g.doc->OpenFile();
    const EstadoDocumento& d = g.doc->d;
    EXPECT_EQ(d.Coleccion, f.doc->d.Coleccion);
    for (int i = 1; i <= d.Coleccion.NPROB; ++i) EXPECT_EQ(d.Problemas[i], f.doc->d.Problemas[i]);
    EXPECT_FALSE(d.Modificado);
    EXPECT_EQ(d.NumBloques, f.doc->d.NumBloques);
    EXPECT_EQ(g.ventana.titulo, QStringLiteral("Vornith NORV  -  repaso.col"));
    EXPECT_EQ(g.ventana.recientes, QStringList{ruta});
    EXPECT_TRUE(g.ventana.hayColeccion);
    EXPECT_FALSE(g.ventana.deshacer);
    EXPECT_FALSE(g.cursor.isBusy());
}

TEST(ArchivoDocumento, MissingPictureStopsTheSaveAndKeepsModified) {
    Carpetas c;
    DocumentFixture f(c.carpetas);
    f.crear(2);
    f.doc->d.Problemas[2].Enunciado =
        QString(120, u'x') + QStringLiteral("#IMG('falta.gif'DXmm=10:DYmm=10:#IMG)&LF");
    f.doc->d.ArchivoActual = c.raiz.filePath(QStringLiteral("a.COL"));
    f.doc->d.Modificado = true;
    EXPECT_FALSE(f.doc->SaveFile());
    EXPECT_TRUE(f.doc->d.Modificado);
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_EQ(f.avisos.shown[0].text,
              QStringLiteral("Error al guardar archivo.\r\nNo se encuentra el archivo de la imagen "
                             "falta.gif"));
    EXPECT_EQ(f.avisos.shown[0].icon, Notifier::Icon::Critical);
    EXPECT_FALSE(QFile::exists(f.doc->d.ArchivoActual));
}

TEST(ArchivoDocumento, DamagedFileGivesTheMessageAndNoCollection) {
    Carpetas c;
    const QString ruta = c.raiz.filePath(QStringLiteral("roto.COL"));
    QFile roto(ruta);
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly));
    roto.write("#CABECERA(#PROPARAM(basura");
    roto.close();
    DocumentFixture f(c.carpetas);
    f.crear(3);
    f.ventana.hayColeccion = true;
    f.doc->d.ArchivoActual = ruta;
    f.doc->OpenFile();
    ASSERT_EQ(f.avisos.shown.size(), 1U);
    EXPECT_EQ(f.avisos.shown[0].text, QStringLiteral("El Archivo es incorrecto"));
    EXPECT_EQ(f.avisos.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(f.doc->d.Coleccion.NPROB, 0);
    EXPECT_FALSE(f.ventana.hayColeccion);
    EXPECT_TRUE(f.doc->d.ArchivoActual.isEmpty());
    EXPECT_FALSE(f.cursor.isBusy());
}

TEST(ArchivoDocumento, WrongExtensionIsIgnoredQuietly) {
    DocumentFixture f;
    f.crear(2);
    f.doc->d.ArchivoActual = QStringLiteral("/tmp/notas.txt");
    f.doc->OpenFile();
    EXPECT_TRUE(f.avisos.shown.empty());
    EXPECT_TRUE(f.doc->d.ArchivoActual.isEmpty());
    EXPECT_EQ(f.doc->d.Coleccion.NPROB, 2); // the open collection stays
}

} // namespace
} // namespace vornith::document
