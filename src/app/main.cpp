#include "platform/titulo_programa.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(vornith::TituloPrograma());
    QMainWindow window;
    window.setWindowTitle(vornith::TituloPrograma());
    window.resize(1000, 800);
    window.show();
    return QApplication::exec();
}
