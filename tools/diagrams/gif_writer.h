// GIF89a encoder for palette images: Qt reads GIF but cannot write it.

#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace vornith::diagrams {

// Encodes an 8-bit palette image (QImage::Format_Indexed8) as a GIF89a file holding one
// image, with the image's colour table as the global colour table and LZW-compressed pixels.
// The first colour of the table whose alpha is 0 becomes the transparent colour.
// Returns nothing, and says why in `error` when given, for an image it cannot store: another
// pixel format, no pixels, a side above 65535, an empty or over-long colour table, or a pixel
// whose index lies outside the colour table.
std::optional<QByteArray> encodeGif(const QImage& image, QString* error = nullptr);

} // namespace vornith::diagrams
