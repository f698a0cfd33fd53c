#include "platform/qt/qt_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vornith {

namespace {

// How long the desktop's opener may take to say that nothing can open the target. One still
// running then is a viewer it started and waits for: the open worked.
constexpr int kEsperaAbridorMs = 3000;

} // namespace

// The desktop's opener (xdg-open) says by its exit status whether a viewer, browser or mail
// program took the target; Qt's own launcher only says that the opener started.
bool QtShell::open(const QString& target) {
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::StrictMode);
    if (!url.isValid()) return false;
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty()) return QDesktopServices::openUrl(url);
    auto* proceso = new QProcess;
    proceso->setProgram(abridor);
    proceso->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    proceso->setStandardOutputFile(QProcess::nullDevice());
    proceso->setStandardErrorFile(QProcess::nullDevice());
    proceso->start();
    if (!proceso->waitForStarted()) {
        delete proceso;
        return false;
    }
    if (proceso->waitForFinished(kEsperaAbridorMs)) {
        const bool abierto =
            proceso->exitStatus() == QProcess::NormalExit && proceso->exitCode() == 0;
        delete proceso;
        return abierto;
    }
    // Left running, never killed: the process object goes when the viewer ends.
    QObject::connect(proceso, &QProcess::finished, proceso, &QObject::deleteLater);
    return true;
}

bool QtShell::startInstance(const QStringList& arguments) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace vornith
