// The probe's collection command end to end: real fonts, real page box, a real PDF printer.

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Salida {
    int codigo = -1;
    QJsonObject json;
    QString errores;
};

Salida probe(const QStringList& argumentos) {
    // The test program is built in tests/ beside the programs' bin/.
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/vornith-probe"),
            argumentos);
    Salida s;
    if (!p.waitForFinished(120000)) return s;
    s.codigo = p.exitCode();
    s.json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    s.errores = QString::fromUtf8(p.readAllStandardError());
    return s;
}

int paginasPdf(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "));
}

TEST(CollectionProbe, PrintedPdfHasOnePagePerPage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("c.pdf"));
    const QString png = dir.filePath(QStringLiteral("p2.png"));
    const Salida s = probe({QStringLiteral("collection"), QStringLiteral("--new"),
                            QStringLiteral("XIMB_FISI_CIN:8:12,XIMB_FISI_CIN:1:12"),
                            QStringLiteral("--possol"), QStringLiteral("3"),
                            QStringLiteral("--title"), QStringLiteral("Hoja 1&LFCinemática"),
                            QStringLiteral("--pdf"), pdf, QStringLiteral("--png"),
                            QStringLiteral("2"), png});
    ASSERT_EQ(s.codigo, 0) << s.errores.toStdString();
    EXPECT_EQ(s.json[QStringLiteral("NPROB")].toInt(), 24);
    const int paginas = s.json[QStringLiteral("NumPaginas")].toInt();
    EXPECT_GE(paginas, 3);
    EXPECT_EQ(paginasPdf(pdf), paginas);
    EXPECT_TRUE(QFile::exists(png));
    // The file's title is the plain text of the two-line title.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("^Title: +Hoja 1 Cinemática$"),
                                                 QRegularExpression::MultilineOption)));

    // Solutions start on a page after the last problem's.
    int ultimaProblema = 0;
    int primeraSolucion = 0;
    for (const auto& b : s.json[QStringLiteral("blocks")].toArray()) {
        const QJsonObject o = b.toObject();
        const int pagina = o[QStringLiteral("Pagina")].toInt();
        if (o[QStringLiteral("NumProblema")].toInt() > 0) ultimaProblema = pagina;
        else if (primeraSolucion == 0) primeraSolucion = pagina;
    }
    EXPECT_EQ(primeraSolucion, ultimaProblema + 1);
}

// A PDF file that cannot be written (a full device, a missing folder) is a failure that names
// the file, never success.
TEST(CollectionProbe, PrintingThatCannotBeWrittenFails) {
    QTemporaryDir dir;
    for (const QString& pdf :
         {QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("no/such/folder/c.pdf"))}) {
        const Salida s =
            probe({QStringLiteral("collection"), QStringLiteral("--new"),
                   QStringLiteral("XIMB_FISI_CIN:1:30"), QStringLiteral("--pdf"), pdf});
        EXPECT_NE(s.codigo, 0) << pdf.toStdString();
        EXPECT_TRUE(s.errores.contains(pdf)) << s.errores.toStdString();
    }
}

TEST(CollectionProbe, SavedFileReopensToTheSameProblems) {
    QTemporaryDir dir;
    const QString col = dir.filePath(QStringLiteral("hoja.COL"));
    const Salida creada = probe({QStringLiteral("collection"), QStringLiteral("--new"),
                                 QStringLiteral("XIMB_FISI_DIN:1:3,XIMB_FISI_CIN:2:4"),
                                 QStringLiteral("--save"), col});
    ASSERT_EQ(creada.codigo, 0) << creada.errores.toStdString();
    const Salida abierta = probe({QStringLiteral("collection"), QStringLiteral("--open"), col});
    ASSERT_EQ(abierta.codigo, 0) << abierta.errores.toStdString();
    EXPECT_EQ(abierta.json[QStringLiteral("problems")], creada.json[QStringLiteral("problems")]);
}

TEST(CollectionProbe, RefusedSaveExitsWithTheMessage) {
    QTemporaryDir dir;
    const QString col = dir.filePath(QStringLiteral("griego.COL"));
    const Salida s =
        probe({QStringLiteral("collection"), QStringLiteral("--new"),
               QStringLiteral("XIMB_FISI_CIN:1:2"), QStringLiteral("--title"),
               QStringLiteral("Movimiento con Δv y π"), QStringLiteral("--save"), col});
    EXPECT_NE(s.codigo, 0);
    EXPECT_TRUE(s.errores.contains(QStringLiteral("Vornith NORV: Error al guardar archivo.")))
        << s.errores.toStdString();
    EXPECT_TRUE(s.errores.contains(QStringLiteral("«Δ» (U+0394)"))) << s.errores.toStdString();
    EXPECT_FALSE(QFile::exists(col));
}

TEST(CollectionProbe, ProblemsBeyondFiveHundredAreToldOnStderr) {
    const Salida s = probe({QStringLiteral("collection"), QStringLiteral("--new"),
                            QStringLiteral("XIMB_FISI_CIN:8:499,XIMB_FISI_CIN:1:3")});
    ASSERT_EQ(s.codigo, 0) << s.errores.toStdString();
    EXPECT_EQ(s.json[QStringLiteral("NPROB")].toInt(), 500);
    EXPECT_TRUE(s.errores.contains(QStringLiteral("2 problems left out (at most 500)")))
        << s.errores.toStdString();
}

TEST(CollectionProbe, BadArgumentsAreRefused) {
    EXPECT_EQ(probe({QStringLiteral("collection")}).codigo, 2);
    EXPECT_EQ(probe({QStringLiteral("collection"), QStringLiteral("--new"),
                     QStringLiteral("XIMB_FISI_CIN:x:3")})
                  .codigo,
              2);
    EXPECT_EQ(probe({QStringLiteral("collection"), QStringLiteral("--open"),
                     QStringLiteral("/nonexistent/a.COL")})
                  .codigo,
              2);
}

} // namespace
