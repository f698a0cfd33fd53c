#pragma once

#include "platform/picture.h"
#include "platform/picture_files.h"

#include <QImage>

namespace vornith {

class QtPicture final : public Picture {
public:
    explicit QtPicture(QImage image) : image_(std::move(image)) {}
    int widthPixels() const override { return image_.width(); }
    int heightPixels() const override { return image_.height(); }
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// Loads pictures through Qt's image readers (GIF, JPEG, PNG...) from img/ then temp/.
class QtPictureLoader final : public PictureLoader {
public:
    explicit QtPictureLoader(PictureFolders folders = defaultPictureFolders())
        : folders_(std::move(folders)) {}
    std::shared_ptr<const Picture> load(const QString& name) override;

private:
    PictureFolders folders_;
};

} // namespace vornith
