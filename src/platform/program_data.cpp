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

bool isProgramData(const QString& path) {
    // Links resolved on both sides, so that another name for a shipped file is still it.
    const QString data = QFileInfo(programDataFolder()).canonicalFilePath();
    const QString file = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (data.isEmpty() || file.isEmpty()) return false;
    return file == data || file.startsWith(data + u'/');
}

} // namespace vornith
