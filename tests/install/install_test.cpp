// Installs the build into a temporary prefix, as a package does, and checks the installed tree
// the way the program and the desktop read it.

#include "platform/program_data.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith {
namespace {

struct Salida {
    int codigo = -1;
    QString texto;
};

Salida ejecuta(const QString& programa, const QStringList& argumentos,
               const QProcessEnvironment& entorno = QProcessEnvironment::systemEnvironment()) {
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    proceso.setProcessChannelMode(QProcess::MergedChannels);
    proceso.start(programa, argumentos);
    if (!proceso.waitForFinished(120000)) return {-1, programa + QStringLiteral(" did not end")};
    return {proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1,
            QString::fromUtf8(proceso.readAll())};
}

// The files under `raiz`, as paths relative to it.
QStringList archivosBajo(const QString& raiz) {
    QStringList archivos;
    QDirIterator it(raiz, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        archivos << QDir(raiz).relativeFilePath(it.next());
    archivos.sort();
    return archivos;
}

// The installed tree holds the program, the data it finds beside it in the build tree, and its
// desktop files, nothing else; the program finds its data in both trees; the desktop's checkers
// accept the files, and collection files get their type and open with the program's entry.
TEST(Install, HoldsWhatTheProgramAndTheDesktopLookFor) {
    QTemporaryDir prefijo;
    ASSERT_TRUE(prefijo.isValid());
    const Salida instala = ejecuta(QStringLiteral(VORNITH_CMAKE),
                                   {QStringLiteral("--install"), QStringLiteral(VORNITH_BUILD_DIR),
                                    QStringLiteral("--prefix"), prefijo.path()});
    ASSERT_EQ(instala.codigo, 0) << qPrintable(instala.texto);

    const QString programa = QStringLiteral(VORNITH_PROGRAM_DIR);
    ASSERT_EQ(programDataFolder(programa), programa);
    const QString datos = programDataFolder(prefijo.filePath(QStringLiteral("bin")));
    EXPECT_EQ(datos, prefijo.filePath(QStringLiteral("share/vornith")));

    const QString id = QStringLiteral(VORNITH_APP_ID);
    const QString entrada = QStringLiteral("share/applications/") + id + QStringLiteral(".desktop");
    QStringList esperados{QStringLiteral("bin/vornith"), entrada,
                          QStringLiteral("share/metainfo/") + id + QStringLiteral(".metainfo.xml"),
                          QStringLiteral("share/mime/packages/") + id + QStringLiteral(".xml")};
    for (const char* lado : {"48", "64", "128", "256"})
        esperados << QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(lado, id);
    // The data beside the program in the build tree, by folder and name.
    const struct {
        const char* carpeta;
        const char* nombres;
    } datosPrograma[] = {
        {"img", "*"}, {"Ejemplos", "*.col"}, {".", "*.jpg"}, {".", "Manual_*.pdf"}};
    for (const auto& fila : datosPrograma) {
        const QDir carpeta(QDir(programa).filePath(QString::fromLatin1(fila.carpeta)));
        const QStringList nombres =
            carpeta.entryList({QString::fromLatin1(fila.nombres)}, QDir::Files);
        EXPECT_FALSE(nombres.isEmpty()) << fila.carpeta << '/' << fila.nombres;
        for (const QString& nombre : nombres)
            esperados << QDir::cleanPath(QStringLiteral("share/vornith/") +
                                         QString::fromLatin1(fila.carpeta) + u'/' + nombre);
    }
    esperados.sort();
    EXPECT_EQ(archivosBajo(prefijo.path()).join(u'\n').toStdString(),
              esperados.join(u'\n').toStdString());

    // The manual is drawn in fonts named by the build, whatever the machine's default fonts.
    const Salida fuentes =
        ejecuta(QStringLiteral("pdffonts"),
                {QDir(datos).filePath(QStringLiteral("Manual_VORNITH_NORV.pdf"))});
    ASSERT_EQ(fuentes.codigo, 0) << qPrintable(fuentes.texto);
    const QStringList filas = fuentes.texto.split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(filas.isEmpty());
    for (const QString& fila : filas)
        EXPECT_TRUE(fila.startsWith(QStringLiteral("Liberation"))) << qPrintable(fila);

    const QString share = prefijo.filePath(QStringLiteral("share"));
    const Salida valida =
        ejecuta(QStringLiteral("desktop-file-validate"), {prefijo.filePath(entrada)});
    // Not a hint either: two main categories would show the program twice in a menu.
    EXPECT_EQ(valida.codigo, 0) << qPrintable(valida.texto);
    EXPECT_EQ(valida.texto.toStdString(), "");
    QFile textoEntrada(prefijo.filePath(entrada));
    ASSERT_TRUE(textoEntrada.open(QIODevice::ReadOnly));
    EXPECT_TRUE(textoEntrada.readAll().contains("\nIcon=" + id.toUtf8() + '\n'));
    // The catalogue data, and the entry they launch beside them.
    const Salida catalogo =
        ejecuta(QStringLiteral("appstreamcli"),
                {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), prefijo.path()});
    EXPECT_EQ(catalogo.codigo, 0) << qPrintable(catalogo.texto);
    // No warning from any release's checker: each gives the lines of its findings a letter.
    const Salida datosCatalogo = ejecuta(QStringLiteral("appstreamcli"),
                                         {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                          QStringLiteral("--no-color"),
                                          prefijo.filePath(QStringLiteral("share/metainfo/") + id +
                                                           QStringLiteral(".metainfo.xml"))});
    EXPECT_EQ(datosCatalogo.codigo, 0) << qPrintable(datosCatalogo.texto);
    EXPECT_FALSE(datosCatalogo.texto.contains(
        QRegularExpression(QStringLiteral("^[EW]: "), QRegularExpression::MultilineOption)))
        << qPrintable(datosCatalogo.texto);

    // What the package's triggers do, then the desktop's view through GIO.
    const Salida tipos =
        ejecuta(QStringLiteral("update-mime-database"), {share + QStringLiteral("/mime")});
    ASSERT_EQ(tipos.codigo, 0) << qPrintable(tipos.texto);
    const Salida entradas = ejecuta(QStringLiteral("update-desktop-database"),
                                    {share + QStringLiteral("/applications")});
    ASSERT_EQ(entradas.codigo, 0) << qPrintable(entradas.texto);
    QProcessEnvironment escritorio = QProcessEnvironment::systemEnvironment();
    escritorio.insert(QStringLiteral("XDG_DATA_DIRS"), share + QStringLiteral(":/usr/share"));
    escritorio.insert(QStringLiteral("PATH"), prefijo.filePath(QStringLiteral("bin")) + u':' +
                                                  escritorio.value(QStringLiteral("PATH")));
    escritorio.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    const QString tipo = QStringLiteral("application/x-vornith-coleccion");
    // By name in any case whatever the content, or by the first bytes.
    const struct {
        const char* nombre;
        const char* contenido;
    } hojas[] = {{"hoja.col", "texto"}, {"HOJA.COL", "texto"}, {"hoja", "#CABECERA(#PROPARAM("}};
    for (const auto& fila : hojas) {
        QFile hoja(prefijo.filePath(QString::fromLatin1(fila.nombre)));
        ASSERT_TRUE(hoja.open(QIODevice::WriteOnly));
        hoja.write(fila.contenido);
        hoja.close();
        const Salida info = ejecuta(QStringLiteral("gio"),
                                    {QStringLiteral("info"), QStringLiteral("--attributes"),
                                     QStringLiteral("standard::content-type"), hoja.fileName()},
                                    escritorio);
        EXPECT_TRUE(info.texto.contains(QStringLiteral("content-type: ") + tipo))
            << qPrintable(info.texto);
    }
    const Salida abre = ejecuta(QStringLiteral("gio"), {QStringLiteral("mime"), tipo}, escritorio);
    EXPECT_TRUE(abre.texto.section(u'\n', 0, 0)
                    .endsWith(QStringLiteral(": ") + id + QStringLiteral(".desktop")))
        << qPrintable(abre.texto);
}

} // namespace
} // namespace vornith
