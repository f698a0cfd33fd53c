#include "platform/qt/qt_picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace vornith {

std::shared_ptr<const Picture> QtPictureLoader::load(const QString& name) {
    const QString key = name.toCaseFolded();
    auto path = paths_.constFind(key);
    if (path == paths_.constEnd()) {
        QString found = findPicture(folders_, name);
        if (found.isEmpty()) return nullptr;
        path = paths_.insert(key, std::move(found));
    }
    auto picture = pictures_.constFind(*path);
    if (picture == pictures_.constEnd()) {
        QImageReader reader(*path);
        reader.setDecideFormatFromContent(true);
        QImage image = reader.read();
        picture = pictures_.insert(
            *path, image.isNull() ? nullptr : std::make_shared<QtPicture>(std::move(image)));
    }
    return *picture;
}

void QtPictureLoader::forget(const QString& name) {
    const QString key = name.toCaseFolded();
    paths_.remove(key);
    pictures_.removeIf([&key](const auto& entry) {
        return QFileInfo(entry.key()).fileName().toCaseFolded() == key;
    });
}

} // namespace vornith
