// Entry of every test program: a headless application, so fonts, images and widgets work, with
// a home of its own, so that settings, the data folder and the toolkit's dialog history go there
// and the user's home stays as it was.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "No folder for the tests' home: %s\n",
                     qPrintable(home.errorString()));
        return EXIT_FAILURE;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char* xdg : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qunsetenv(xdg); // under HOME
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vornith NORV tests"));
    return RUN_ALL_TESTS();
}
