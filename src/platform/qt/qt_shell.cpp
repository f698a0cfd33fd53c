#include "platform/qt/qt_shell.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace vornith {

namespace {

// How long the desktop's opener may take to say that nothing can open the target. One still
// running then is a viewer it started and waits for: the open worked.
constexpr int kEsperaAbridorMs = 3000;

} // namespace

// The desktop's opener (xdg-open) says by its exit status whether a viewer, browser or mail
// program took the target; Qt's own launcher only says that the opener started. The opener
// runs on its own: the window never waits for it.
void QtShell::open(const QString& target, std::function<void()> fallo) {
    const QUrl url =
        QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target, QUrl::StrictMode);
    if (!url.isValid()) {
        QTimer::singleShot(0, fallo);
        return;
    }
    const QString abridor = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (abridor.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) QTimer::singleShot(0, fallo);
        return;
    }
    auto* proceso = new QProcess;
    proceso->setProgram(abridor);
    proceso->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString()});
    proceso->setStandardOutputFile(QProcess::nullDevice());
    proceso->setStandardErrorFile(QProcess::nullDevice());
    const QDeadlineTimer plazo(kEsperaAbridorMs);
    // Left running, never killed: the process object goes when the opener ends.
    QObject::connect(proceso, &QProcess::finished, proceso,
                     [proceso, plazo, fallo](int codigo, QProcess::ExitStatus estado) {
                         if (!plazo.hasExpired() && (estado != QProcess::NormalExit || codigo != 0))
                             fallo();
                         proceso->deleteLater();
                     });
    QObject::connect(
        proceso, &QProcess::errorOccurred, proceso,
        [proceso, fallo](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            fallo();
            proceso->deleteLater();
        },
        Qt::QueuedConnection);
    proceso->start();
}

bool QtShell::startInstance(const QStringList& arguments) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace vornith
