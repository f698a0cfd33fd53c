#include "platform/qt/qt_picture.h"

#include <QFileInfo>
#include <QImageReader>

namespace vornith {

namespace {

// The picture in the file, or a null image when it cannot be decoded or has more pixels than
// the budget. The size is read from the header first, so an oversized picture is never
// decoded.
QImage readWithinBudget(const QString& path) {
    QImageReader reader(path);
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
    auto picture = pictures_.constFind(*path);
    if (picture == pictures_.constEnd()) {
        QImage image = readWithinBudget(*path);
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
