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

bool isProgramDataFolder(const QString& folder, const QString& data) {
    // Links resolved on both sides, so that another name for a shipped file is still it.
    const QString canonicalData = QFileInfo(data).canonicalFilePath();
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonicalData.isEmpty() || canonical.isEmpty()) return false;
    return canonical == canonicalData || canonical.startsWith(canonicalData + u'/');
}

bool isProgramData(const QString& path, const QString& data) {
    const QFileInfo file(path);
    // A link is written through to its target, so the target's folder is the one that counts.
    const QString target = file.canonicalFilePath();
    return isProgramDataFolder(
        target.isEmpty() ? file.absolutePath() : QFileInfo(target).absolutePath(), data);
}

} // namespace vornith
