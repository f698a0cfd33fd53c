#include "platform/qt/qt_picture.h"

#include <QBuffer>
#include <QImageReader>

namespace vornith {

namespace {

// The picture in the file, or a null image when it cannot be decoded or has more pixels than
// the budget. The size is read from the header first, so an oversized picture is never
// decoded.
QImage readWithinBudget(const QString& path) {
    std::optional<QByteArray> bytes = readPictureFile(path);
    if (!bytes) return {};
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const auto withinBudget = [](QSize size) {
        return qint64{size.width()} * size.height() <= QtPictureLoader::kMaxPixels;
    };
    if (const QSize size = reader.size(); size.isValid() && !withinBudget(size)) return {};
    QImage image = reader.read();
    return withinBudget(image.size()) ? image : QImage();
}

} // namespace

std::shared_ptr<const Picture> QtPictureLoader::load(const QString& name) {
    const QString key = name.toCaseFolded();
    auto path = paths_.constFind(key);
    if (path == paths_.constEnd()) {
        QString found = findPicture(folders_, name);
        if (found.isEmpty()) return nullptr;
        path = paths_.insert(key, std::move(found));
    }
    if (const auto picture = pictures_.constFind(*path); picture != pictures_.constEnd())
        return *picture;
    const QString file = *path;
    QImage image = readWithinBudget(file);
    const qint64 bytes = image.sizeInBytes();
    while (!cacheOrder_.isEmpty() && cachedBytes_ + bytes > maxCachedBytes_)
        drop(cacheOrder_.front());
    auto picture = image.isNull() ? nullptr : std::make_shared<QtPicture>(std::move(image));
    pictures_.insert(file, picture);
    cacheOrder_.append(file);
    cachedBytes_ += bytes;
    return picture;
}

void QtPictureLoader::useFolder(const QString& folder) {
    folders_.temp = folder;
    paths_.clear();
    const QString img = folders_.img + u'/';
    const QList<QString> paths = cacheOrder_;
    for (const QString& path : paths) {
        if (!path.startsWith(img)) drop(path);
    }
}

void QtPictureLoader::drop(const QString& path) {
    const auto picture = pictures_.constFind(path);
    if (picture == pictures_.constEnd()) return;
    if (*picture) cachedBytes_ -= (*picture)->image().sizeInBytes();
    pictures_.erase(picture);
    cacheOrder_.removeOne(path);
}

} // namespace vornith
