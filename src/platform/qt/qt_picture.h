#pragma once

#include "platform/picture.h"
#include "platform/picture_files.h"

#include <QHash>
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

// Loads pictures through Qt's image readers (GIF, JPEG, PNG...) from img/ then temp/. Each file
// is read and decoded once: every load of it gives the same picture object, so the engine's
// passes decode nothing again and a PDF embeds each picture once.
class QtPictureLoader final : public PictureLoader {
public:
    explicit QtPictureLoader(PictureFolders folders = defaultPictureFolders())
        : folders_(std::move(folders)) {}
    std::shared_ptr<const Picture> load(const QString& name) override;
    void forget(const QString& name) override;
    // A diagram needs no more pixels than this. A few kilobytes of PNG can ask for far more;
    // such a picture is no picture (the drawer shows its placeholder).
    static constexpr qint64 kMaxPixels = 16'000'000;

private:
    PictureFolders folders_;
    // Case-folded name -> the file found for it. Names not found are looked up every time, so
    // a file that appears later is seen.
    QHash<QString, QString> paths_;
    // File path -> its picture; null when the file could not be decoded.
    QHash<QString, std::shared_ptr<const QtPicture>> pictures_;
};

} // namespace vornith
