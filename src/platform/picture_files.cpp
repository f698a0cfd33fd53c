#include "platform/picture_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vornith {

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

PictureFolders defaultPictureFolders() {
    const QString appDir = QCoreApplication::applicationDirPath();
    QString img = appDir + QStringLiteral("/img");
    if (!QFileInfo(img).isDir()) {
        const QString installed = QDir(appDir).absoluteFilePath(QStringLiteral("../share/vornith/img"));
        if (QFileInfo(installed).isDir()) img = QDir::cleanPath(installed);
    }
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (data.isEmpty()) data = QDir::tempPath() + QStringLiteral("/vornith");
    return {img, data + QStringLiteral("/temp")};
}

QString findFileIgnoringCase(const QString& folder, const QString& name) {
    if (!isPlainFileName(name) || folder.isEmpty()) return {};
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile()) return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return {};
}

FolderIndex::FolderIndex(const QString& folder) : folder_(folder) {
    if (folder.isEmpty()) return;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        add(entry);
}

QString FolderIndex::find(const QString& name) const {
    if (!isPlainFileName(name) || folder_.isEmpty()) return {};
    if (exact_.contains(name)) return QDir(folder_).filePath(name);
    const auto found = folded_.constFind(name.toCaseFolded());
    return found == folded_.constEnd() ? QString() : QDir(folder_).filePath(*found);
}

void FolderIndex::add(const QString& name) {
    exact_.insert(name);
    const QString key = name.toCaseFolded();
    if (!folded_.contains(key)) folded_.insert(key, name);
}

QString findPicture(const PictureFolders& folders, const QString& name) {
    QString path = findFileIgnoringCase(folders.img, name);
    if (path.isEmpty()) path = findFileIgnoringCase(folders.temp, name);
    return path;
}

} // namespace vornith
