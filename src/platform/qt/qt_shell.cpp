#include "platform/qt/qt_shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace vornith {

bool QtShell::open(const QString& target) {
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                               : QUrl(target, QUrl::StrictMode);
    if (!url.isValid()) return false;
    return QDesktopServices::openUrl(url);
}

bool QtShell::startInstance(const QStringList& arguments) {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments);
}

} // namespace vornith
