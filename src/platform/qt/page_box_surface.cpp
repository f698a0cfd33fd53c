#include "platform/qt/page_box_surface.h"

#include "platform/units.h"

#include <algorithm>
#include <cmath>

namespace vornith {

PageBoxSurface::PageBoxSurface(int widthPixels, int heightPixels, double devicePixelRatio)
    : PainterSurface(SurfaceKind::PageBox, kScreenTwipsPerPixel, kScreenTwipsPerPixel),
      width_(0), height_(0), ratio_(std::max(1.0, devicePixelRatio)) {
    resize(widthPixels, heightPixels);
}

PageBoxSurface::~PageBoxSurface() { endPainting(); }

void PageBoxSurface::resize(int widthPixels, int heightPixels) {
    endPainting();
    width_ = std::max(1, widthPixels);
    height_ = std::max(1, heightPixels);
    image_ = QImage(static_cast<int>(std::ceil(width_ * ratio_)),
                    static_cast<int>(std::ceil(height_ * ratio_)), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    // 96 logical dots per inch: 15 twips per logical pixel.
    const int dotsPerMeter = static_cast<int>(std::lround(1440.0 / kScreenTwipsPerPixel / 0.0254));
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    image_.fill(Qt::white);
}

const QImage& PageBoxSurface::image() {
    endPainting();
    return image_;
}

} // namespace vornith
