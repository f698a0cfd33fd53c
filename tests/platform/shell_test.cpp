// The desktop opener as the shell runs it: a stand-in "xdg-open" first in PATH says whether
// the document or link could be opened, or waits for its viewer.

#include "platform/qt/qt_shell.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// PATH starts with a folder whose "xdg-open" adds its argument to a file, then fails on mail
// links, waits 8 s for a "lento" page and takes anything else; the old PATH comes back at the
// end.
class AbridorFalso {
  public:
    AbridorFalso() : path_(qgetenv("PATH")) {
        QFile guion(dir_.filePath(QStringLiteral("xdg-open")));
        EXPECT_TRUE(guion.open(QIODevice::WriteOnly));
        guion.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '%1'\ncase \"$1\" in\n"
                                   "mailto:*) exit 3 ;;\n*lento*) sleep 8 ;;\nesac\n")
                        .arg(dir_.filePath(QStringLiteral("argumentos")))
                        .toUtf8());
        guion.close();
        guion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir_.path().toUtf8() + ':' + path_);
    }
    ~AbridorFalso() { qputenv("PATH", path_); }

    // The arguments the opener was run with, sorted.
    QStringList recibidos() const {
        QFile f(dir_.filePath(QStringLiteral("argumentos")));
        if (!f.open(QIODevice::ReadOnly)) return {};
        QStringList lineas = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
        lineas.sort();
        return lineas;
    }

  private:
    QTemporaryDir dir_;
    QByteArray path_;
};

// Nothing waits for the opener; its failure comes later, from the event loop.
TEST(QtShell, OpenReportsWhatTheOpenerSays) {
    QTemporaryDir dir;
    const QString manual = dir.filePath(QStringLiteral("Manual.pdf"));
    ASSERT_TRUE(QFile(manual).open(QIODevice::WriteOnly));
    const QString correo = QStringLiteral("mailto:info@zelmsoftware.example");
    QStringList todos{QStringLiteral("https://lento.example/"), manual,
                      QStringLiteral("https://www.zelmsoftware.example/"), correo};
    AbridorFalso abridor;
    QtShell shell;
    QStringList fallidos;
    QElapsedTimer reloj;
    reloj.start();
    for (const QString& destino : todos)
        shell.open(destino, [&fallidos, destino] { fallidos.append(destino); });
    EXPECT_LT(reloj.elapsed(), 1000);
    EXPECT_TRUE(fallidos.isEmpty());
    todos.sort();
    EXPECT_TRUE(QTest::qWaitFor([&] { return abridor.recibidos() == todos; }, 10000))
        << abridor.recibidos().join(u' ').toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fallidos.isEmpty(); }, 10000));
    QTest::qWait(300);
    EXPECT_EQ(fallidos, QStringList{correo});
}

} // namespace
} // namespace vornith
