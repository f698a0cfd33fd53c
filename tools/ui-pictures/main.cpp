// vornith-ui-pictures: draws the pictures of the windows as PNG files.
//   vornith-ui-pictures OUTPUT_FOLDER

#include "dibujos.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: vornith-ui-pictures OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(args.front());
    if (!folder.exists()) {
        err << "vornith-ui-pictures: no folder " << args.front() << '\n';
        return 1;
    }
    using namespace vornith::ui_pictures;
    for (const auto& familia :
         {dibujosMarcos(), dibujosPropiedades(), dibujosImprimir(), dibujosAsistente(),
          dibujosInicio(), dibujosVentanaPrincipal(), dibujosIcono()}) {
        for (const Dibujo& dibujo : familia) {
            const QString path = QDir::cleanPath(folder.filePath(dibujo.archivo));
            // The format follows the file's extension.
            if (!QDir().mkpath(QFileInfo(path).path()) || !dibujo.imagen.save(path)) {
                err << "vornith-ui-pictures: cannot write " << path << '\n';
                return 1;
            }
            out << dibujo.archivo << ' ' << dibujo.imagen.width() << 'x' << dibujo.imagen.height()
                << '\n';
        }
    }
    return 0;
}
