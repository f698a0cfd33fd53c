// vornith-manual: makes the user manual, written in Markdown, into an A4 PDF file.
//   vornith-manual MANUAL.md OUTPUT.pdf

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

namespace {

// Code is drawn in a fixed font named here, not the machine's default monospace, so the PDF is
// the same wherever it is built (fonts-liberation2, a build dependency).
void fuenteFijaPorNombre(QTextDocument& doc) {
    const QVariant fijaDelSistema = QFontDatabase::systemFont(QFontDatabase::FixedFont).families();
    for (QTextBlock bloque = doc.begin(); bloque.isValid(); bloque = bloque.next()) {
        for (auto it = bloque.begin(); !it.atEnd(); ++it) {
            const QTextFragment trozo = it.fragment();
            const QTextCharFormat actual = trozo.charFormat();
            if (!actual.fontFixedPitch() && actual.fontFamilies() != fijaDelSistema) continue;
            QTextCursor cursor(&doc);
            cursor.setPosition(trozo.position());
            cursor.setPosition(trozo.position() + trozo.length(), QTextCursor::KeepAnchor);
            QTextCharFormat formato;
            formato.setFontFamilies({QStringLiteral("Liberation Mono")});
            cursor.mergeCharFormat(formato);
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: vornith-manual MANUAL.md OUTPUT.pdf\n";
        return 2;
    }
    QFile fuente(args[0]);
    if (!fuente.open(QIODevice::ReadOnly)) {
        err << "vornith-manual: cannot read " << args[0] << '\n';
        return 1;
    }

    QPdfWriter pdf(args[1]);
    pdf.setTitle(QStringLiteral("Vornith NORV - Manual de usuario"));
    pdf.setCreator(QStringLiteral("Vornith NORV"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));

    QTextDocument doc;
    QFont letra(QStringLiteral("Liberation Serif"));
    letra.setPointSizeF(11);
    doc.setDefaultFont(letra);
    doc.setMarkdown(QString::fromUtf8(fuente.readAll()));
    fuenteFijaPorNombre(doc);
    doc.print(&pdf);
    if (!QFile::exists(args[1])) {
        err << "vornith-manual: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}
