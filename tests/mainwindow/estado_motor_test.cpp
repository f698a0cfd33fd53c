// The window asks the document: the engine's state (zoom, selection, block places) is changed
// by the document's operations only, never assigned from the window's code.

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vornith::test {
namespace {

TEST(VentanaYMotor, TheWindowAssignsNoMemberOfTheEngine) {
    const QString fuente = qEnvironmentVariable("VORNITH_SOURCE_DIR");
    ASSERT_FALSE(fuente.isEmpty());
    const QDir carpeta(fuente + QStringLiteral("/src/mainwindow"));
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
