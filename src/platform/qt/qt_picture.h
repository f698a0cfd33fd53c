#pragma once

#include "platform/picture.h"
#include "platform/picture_files.h"

#include <QHash>
#include <QImage>
#include <QList>

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

// Loads pictures through Qt's image readers (GIF, JPEG, PNG...) from img/ then the collection's
// folder. Only regular files that are not links, of at most kMaxPictureFileBytes, are read. Each
// file is read and decoded once: every load of it gives the same picture object, so the engine's
// passes decode nothing again and a PDF embeds each picture once.
class QtPictureLoader final : public PictureLoader {
public:
    // The decoded pictures kept at once take at most `maxCachedBytes`; past that the oldest
    // are let go (those still drawn stay alive with their users).
    explicit QtPictureLoader(PictureFolders folders = defaultPictureFolders(),
                             qint64 maxCachedBytes = kMaxCachedBytes)
        : folders_(std::move(folders)), maxCachedBytes_(maxCachedBytes) {}
    std::shared_ptr<const Picture> load(const QString& name) override;
    void useFolder(const QString& folder) override;
    // A diagram needs no more pixels than this. A few kilobytes of PNG can ask for far more;
    // such a picture is no picture (the drawer shows its placeholder).
    static constexpr qint64 kMaxPixels = 16'000'000;
    // Room for a few hundred diagrams; a collection naming many large pictures is not all kept.
    static constexpr qint64 kMaxCachedBytes = 256 * 1024 * 1024;

private:
    // Lets the decoded picture of `path` go.
    void drop(const QString& path);

    PictureFolders folders_;
    qint64 maxCachedBytes_;
    qint64 cachedBytes_ = 0;
    QList<QString> cacheOrder_; // paths in the order they were decoded
    // Case-folded name -> the file found for it. Names not found are looked up every time, so
    // a file that appears later is seen.
    QHash<QString, QString> paths_;
    // File path -> its picture; null when the file could not be decoded.
    QHash<QString, std::shared_ptr<const QtPicture>> pictures_;
};

} // namespace vornith
