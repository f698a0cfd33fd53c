#include "platform/qt/qt_picture.h"

#include <QImageReader>

namespace vornith {

std::shared_ptr<const Picture> QtPictureLoader::load(const QString& name) {
    const QString path = findPicture(folders_, name);
    if (path.isEmpty()) return nullptr;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    return std::make_shared<QtPicture>(std::move(image));
}

} // namespace vornith
