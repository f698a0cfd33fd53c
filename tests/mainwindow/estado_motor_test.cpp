// The window asks the document: the engine's state (zoom, selection, block places) is changed
// by the document's operations only, never assigned from the window's code.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

// src/mainwindow of the source tree: from VORNITH_SOURCE_DIR, else the first folder above the
// test program that holds it.
QDir carpetaVentana() {
    const QString fuente = qEnvironmentVariable("VORNITH_SOURCE_DIR");
    if (!fuente.isEmpty()) return QDir(fuente + QStringLiteral("/src/mainwindow"));
    QDir dir(QCoreApplication::applicationDirPath());
    do {
        if (dir.exists(QStringLiteral("src/mainwindow/form_main.h")))
            return QDir(dir.filePath(QStringLiteral("src/mainwindow")));
    } while (dir.cdUp());
    return QDir(QStringLiteral("/nonexistent"));
}

TEST(VentanaYMotor, TheWindowAssignsNoMemberOfTheEngine) {
    const QDir carpeta = carpetaVentana();
    const QStringList archivos =
        carpeta.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files);
    ASSERT_FALSE(archivos.isEmpty());
    const QRegularExpression asignacion(QStringLiteral(R"(motor_\.[A-Za-z]+(\[[^]]*\])? *=[^=])"));
    for (const QString& nombre : archivos) {
        QFile archivo(carpeta.filePath(nombre));
        ASSERT_TRUE(archivo.open(QIODevice::ReadOnly)) << nombre.toStdString();
        int n = 0;
        while (!archivo.atEnd()) {
            ++n;
            const QString linea = QString::fromUtf8(archivo.readLine());
            EXPECT_FALSE(asignacion.match(linea).hasMatch())
                << nombre.toStdString() << ":" << n << ": " << linea.trimmed().toStdString();
        }
    }
}

} // namespace
} // namespace vornith::test
