#pragma once

#include <QImage>
#include <QSize>

namespace vornith {

// `image` shrunk to `size` device pixels by averaging every source pixel each target pixel
// covers, so that thin strokes fade rather than drop out as they do with the painter's
// bilinear sampling. The copies of the last few pictures and sizes asked for are kept.
QImage shrunkPicture(const QImage& image, QSize size);

} // namespace vornith
