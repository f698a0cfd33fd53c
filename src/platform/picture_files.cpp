#include "platform/picture_files.h"

#include "platform/program_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vornith {

namespace {

// Windows opens the device, not a file, for these names whatever follows the first dot.
bool isDeviceName(const QString& name) {
    const QString base = name.section(u'.', 0, 0).trimmed().toUpper();
    static const QSet<QString> devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                          QStringLiteral("AUX"), QStringLiteral("NUL")};
    if (devices.contains(base)) return true;
    return base.size() == 4 &&
           (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT"))) &&
           base[3] >= u'1' && base[3] <= u'9';
}

} // namespace

bool isPlainFileName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String("..")) ||
        name.startsWith(u'-') || name.endsWith(u'.') || name.endsWith(u' ') || isDeviceName(name))
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || QStringView(u"/\\:?*<>|\"").contains(c))
            return false;
    }
    return true;
}

std::optional<QByteArray> readPictureFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxPictureFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return std::nullopt;
    QByteArray bytes = file.read(kMaxPictureFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxPictureFileBytes)
        return std::nullopt;
    return bytes;
}

PictureFolders defaultPictureFolders() {
    const QString img = programDataFolder() + QStringLiteral("/img");
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (data.isEmpty()) data = QDir::tempPath() + QStringLiteral("/vornith");
    return {img, data + QStringLiteral("/temp")};
}

QString findFileIgnoringCase(const QString& folder, const QString& name) {
    if (!isPlainFileName(name) || folder.isEmpty()) return {};
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (const QFileInfo info(exact); info.isFile() && !info.isSymLink()) return exact;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(entry);
    }
    return {};
}

FolderIndex::FolderIndex(const QString& folder) : folder_(folder) {
    if (folder.isEmpty()) return;
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
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
