#include "mainwindow/linea_comandos.h"

#include <QDir>

#include <gtest/gtest.h>

namespace vornith::mainwindow {
namespace {

QString abs(const QString& n) {
    return QDir::current().absoluteFilePath(n);
}

TEST(LineaComandos, ArgumentsBecomeAbsoluteNames) {
    // One argument stands as it is, blanks, "~" and extension included.
    EXPECT_EQ(ProcesaCommand({QStringLiteral("mis hojas/tema 1.txt")}),
              QStringList{abs(QStringLiteral("mis hojas/tema 1.txt"))});
    EXPECT_EQ(ProcesaCommand({QStringLiteral("/tmp/~a.col")}),
              QStringList{QStringLiteral("/tmp/~a.col")});
    EXPECT_TRUE(ProcesaCommand({}).isEmpty());
    EXPECT_TRUE(ProcesaCommand({QString()}).isEmpty());
    // Of several, only the ".COL" names.
    EXPECT_EQ(ProcesaCommand(
                  {QStringLiteral("a.col"), QStringLiteral("b.txt"), QStringLiteral("/x/c.COL")}),
              (QStringList{abs(QStringLiteral("a.col")), QStringLiteral("/x/c.COL")}));
    QStringList diecisiete;
    for (int i = 1; i <= 17; ++i)
        diecisiete.append(QStringLiteral("/h/%1.Col").arg(i));
    const QStringList tomados = ProcesaCommand(diecisiete);
    EXPECT_EQ(tomados, diecisiete.mid(0, 16));

    // Of several, the others are named, whatever their number; of one, none.
    EXPECT_EQ(NoColecciones({QStringLiteral("a.col"), QStringLiteral("b.txt"), QString(),
                             QStringLiteral("/x/c.COL"), QStringLiteral("/d/nota")}),
              (QStringList{abs(QStringLiteral("b.txt")), QStringLiteral("/d/nota")}));
    EXPECT_TRUE(NoColecciones({QStringLiteral("mis hojas/tema 1.txt")}).isEmpty());
    QStringList veintiuno;
    for (int i = 1; i <= 21; ++i)
        veintiuno.append(QStringLiteral("/h/%1.txt").arg(i));
    EXPECT_EQ(NoColecciones(diecisiete + veintiuno), veintiuno);
    EXPECT_TRUE(MensajeNoColecciones(veintiuno).contains(
        QStringLiteral("/h/20.txt\r\n    ... y 1 más\r\n\r\n")));
}

TEST(LineaComandos, DropsTakeLocalCollectionFilesOnly) {
    const QList<QUrl> urls{QUrl(QStringLiteral("https://x.example/a.col")),
                           QUrl::fromLocalFile(QStringLiteral("/d/carpeta")),
                           QUrl::fromLocalFile(QStringLiteral("/d/nota.txt")),
                           QUrl::fromLocalFile(QStringLiteral("/d/uno.COL")),
                           QUrl::fromLocalFile(QStringLiteral("/d/dos.col"))};
    EXPECT_EQ(ArchivosSoltados(urls),
              (QStringList{QStringLiteral("/d/uno.COL"), QStringLiteral("/d/dos.col")}));
    EXPECT_FALSE(AceptaArrastre(urls));
    EXPECT_FALSE(AceptaArrastre({}));
    EXPECT_TRUE(AceptaArrastre(urls.mid(3)));
}

} // namespace
} // namespace vornith::mainwindow
