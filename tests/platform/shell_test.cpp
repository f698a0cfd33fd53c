// The desktop opener as the shell runs it: a stand-in "xdg-open" first in PATH says whether
// the document or link could be opened.

#include "platform/qt/qt_shell.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vornith {
namespace {

// PATH starts with a folder whose "xdg-open" writes its argument to a file and exits with
// `salida`; the old PATH comes back at the end.
class AbridorFalso {
  public:
    explicit AbridorFalso(int salida) : path_(qgetenv("PATH")) {
        QFile guion(dir_.filePath(QStringLiteral("xdg-open")));
        EXPECT_TRUE(guion.open(QIODevice::WriteOnly));
        guion.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                        .arg(argumento(), QString::number(salida))
                        .toUtf8());
        guion.close();
        guion.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", dir_.path().toUtf8() + ':' + path_);
    }
    ~AbridorFalso() { qputenv("PATH", path_); }
    AbridorFalso(const AbridorFalso&) = delete;
    AbridorFalso& operator=(const AbridorFalso&) = delete;

    QString argumento() const { return dir_.filePath(QStringLiteral("argumento")); }
    QString recibido() const {
        QFile f(argumento());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

  private:
    QTemporaryDir dir_;
    QByteArray path_;
};

TEST(QtShell, OpenReportsWhatTheOpenerSays) {
    QTemporaryDir dir;
    const QString manual = dir.filePath(QStringLiteral("Manual.pdf"));
    QFile(manual).open(QIODevice::WriteOnly);
    const QString web = QStringLiteral("https://www.zelmsoftware.example/");
    const QString correo = QStringLiteral("mailto:info@zelmsoftware.example");
    for (const int salida : {0, 3, 4}) {
        SCOPED_TRACE(salida);
        AbridorFalso abridor(salida);
        QtShell shell;
        for (const QString& destino : {manual, web, correo}) {
            EXPECT_EQ(shell.open(destino), salida == 0) << destino.toStdString();
            EXPECT_EQ(abridor.recibido(), destino);
        }
    }
}

} // namespace
} // namespace vornith
