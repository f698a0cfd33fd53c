// vornith-diagrams: draws the diagram pictures of the dynamics problems as GIF files.
//   vornith-diagrams OUTPUT_FOLDER [--png]
// --png also writes a PNG of each picture beside it, for looking at them.

#include "diagrams.h"
#include "gif_writer.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

constexpr double kDotsPerInch = 600;

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const bool png = args.removeAll(QStringLiteral("--png")) > 0;
    if (args.size() != 1) {
        err << "usage: vornith-diagrams OUTPUT_FOLDER [--png]\n";
        return 2;
    }
    const QDir folder(args.front());
    if (!folder.exists()) {
        err << "vornith-diagrams: no folder " << args.front() << '\n';
        return 1;
    }
    for (const auto& diagram : vornith::diagrams::allDiagrams()) {
        const QImage image = vornith::diagrams::renderDiagram(diagram, kDotsPerInch);
        QString error;
        const auto gif = vornith::diagrams::encodeGif(image, &error);
        const QString path = folder.filePath(QString::fromLatin1(diagram.fileName));
        if (!gif) {
            err << "vornith-diagrams: " << diagram.fileName << ": " << error << '\n';
            return 1;
        }
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*gif) != gif->size() || !file.commit()) {
            err << "vornith-diagrams: cannot write " << path << ": " << file.errorString() << '\n';
            return 1;
        }
        if (png && !image.save(path + QStringLiteral(".png"), "PNG")) {
            err << "vornith-diagrams: cannot write " << path << ".png\n";
            return 1;
        }
        out << diagram.fileName << ' ' << image.width() << 'x' << image.height() << ' '
            << gif->size() << " bytes\n";
    }
    return 0;
}
