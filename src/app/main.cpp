#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornith NORV"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vornith NORV"));
    window.resize(1000, 800);
    window.show();
    return QApplication::exec();
}
