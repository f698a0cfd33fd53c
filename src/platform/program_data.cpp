#include "platform/program_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vornith {

QString programDataFolder(const QString& binaryFolder) {
    const QDir bin(binaryFolder);
    if (QFileInfo(bin.filePath(QStringLiteral("img"))).isDir())
        return QDir::cleanPath(binaryFolder);
    const QString installed = QDir::cleanPath(bin.filePath(QStringLiteral("../share/vornith")));
    if (QFileInfo(installed).isDir()) return installed;
    return QDir::cleanPath(binaryFolder);
}

QString programDataFolder() {
    return programDataFolder(QCoreApplication::applicationDirPath());
}

bool isProgramDataFolder(const QString& folder) {
    // Links resolved on both sides, so that another name for a shipped file is still it.
    const QString data = QFileInfo(programDataFolder()).canonicalFilePath();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (data.isEmpty() || canonical.isEmpty()) return false;
    return canonical == data || canonical.startsWith(data + u'/');
}

bool isProgramData(const QString& path) {
    const QFileInfo file(path);
    // A link is written through to its target, so the target's folder is the one that counts.
    const QString target = file.canonicalFilePath();
    return isProgramDataFolder(target.isEmpty() ? file.absolutePath()
                                                : QFileInfo(target).absolutePath());
}

} // namespace vornith
