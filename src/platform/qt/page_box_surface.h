#pragma once

#include "platform/qt/painter_surface.h"

#include <QImage>

namespace vornith {

// The page box: a white page held in an image that the page view only copies to the screen.
// Fixed at 15 twips per logical pixel; the device pixel ratio adds sharpness, not twips.
class PageBoxSurface final : public PainterSurface {
public:
    PageBoxSurface(int widthPixels, int heightPixels, double devicePixelRatio = 1.0);
    ~PageBoxSurface() override;

    // A new size in logical pixels; the page is cleared.
    void resize(int widthPixels, int heightPixels);
    // The page as drawn so far.
    const QImage& image();

    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    double widthTwips() const override { return width_ * twipsPerPixelX(); }
    double heightTwips() const override { return height_ * twipsPerPixelY(); }

protected:
    QPaintDevice* device() override { return &image_; }

private:
    int width_;
    int height_;
    double ratio_;
    QImage image_;
};

} // namespace vornith
