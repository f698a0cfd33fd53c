#include "platform/qt/picture_scaling.h"

#include <algorithm>
#include <vector>

namespace vornith {

namespace {

struct Shrunk {
    qint64 key; // the source image's cache key
    QSize size;
    QImage image;
};

// A page shows a handful of pictures; zooming asks for a new size of each.
constexpr std::size_t kKeptCopies = 16;

} // namespace

QImage shrunkPicture(const QImage& image, QSize size) {
    static std::vector<Shrunk> kept; // most recently used first
    const auto found = std::find_if(kept.begin(), kept.end(), [&](const Shrunk& s) {
        return s.key == image.cacheKey() && s.size == size;
    });
    if (found != kept.end()) {
        std::rotate(kept.begin(), found, found + 1);
        return kept.front().image;
    }
    // Averaging in premultiplied colour keeps transparent paper from darkening the edges.
    const QImage source = image.hasAlphaChannel()
                              ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              : image.convertToFormat(QImage::Format_RGB32);
    QImage shrunk = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (kept.size() == kKeptCopies) kept.pop_back();
    kept.insert(kept.begin(), {image.cacheKey(), size, shrunk});
    return shrunk;
}

} // namespace vornith
