#include "diagrams/gif_writer.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vornith::diagrams {
namespace {

QImage decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    return reader.read();
}

// A strict reading of what the encoder writes (one image, global table, no extensions), for
// what Qt's reader forgives: it stops once it has all pixels, so a wrong code width at the end
// code or bytes after it would pass unseen. Returns the pixel indices, or a problem.
struct StrictGif {
    std::vector<std::uint8_t> indices;
    std::string problem;
};

StrictGif decodeStrictly(const QByteArray& gif) {
    StrictGif result;
    std::size_t at = 0;
    const auto byte = [&]() -> int {
        return at < std::size_t(gif.size()) ? std::uint8_t(gif[qsizetype(at++)]) : -1;
    };
    const auto word = [&]() {
        const int low = byte();
        return low | byte() << 8;
    };
    if (!gif.startsWith("GIF89a")) return {{}, "no GIF89a header"};
    at = 6;
    const int width = word();
    const int height = word();
    const int screen = byte();
    at += 2 + ((screen & 0x80) ? 3u << ((screen & 7) + 1) : 0u);
    if (byte() != 0x2C) return {{}, "no image descriptor after the table"};
    if (word() != 0 || word() != 0 || word() != width || word() != height || byte() != 0)
        return {{}, "image descriptor does not cover the screen"};
    const int minCodeSize = byte();
    std::vector<std::uint8_t> data;
    for (int length = byte(); length > 0; length = byte()) {
        for (int i = 0; i < length; ++i)
            data.push_back(std::uint8_t(byte()));
    }
    if (byte() != 0x3B || at != std::size_t(gif.size())) return {{}, "no trailer at the end"};

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    std::vector<std::vector<std::uint8_t>> table;
    int codeBits = 0;
    const auto reset = [&]() {
        table.assign(std::size_t(endCode + 1), {});
        for (int i = 0; i < clearCode; ++i)
            table[std::size_t(i)] = {std::uint8_t(i)};
        codeBits = minCodeSize + 1;
    };
    reset();
    std::size_t bit = 0;
    int previous = -1;
    const std::size_t pixels = std::size_t(width) * std::size_t(height);
    while (true) {
        if (bit + std::size_t(codeBits) > data.size() * 8) return {{}, "no end code"};
        int code = 0;
        for (int i = 0; i < codeBits; ++i, ++bit)
            code |= ((data[bit / 8] >> (bit % 8)) & 1) << i;
        if (code == clearCode) {
            reset();
            previous = -1;
            continue;
        }
        if (code == endCode) break;
        std::vector<std::uint8_t> entry;
        if (code < int(table.size()) && (code < clearCode || code > endCode)) {
            entry = table[std::size_t(code)];
        } else if (code == int(table.size()) && previous >= 0) {
            entry = table[std::size_t(previous)];
            entry.push_back(entry.front());
        } else {
            return {{}, "code " + std::to_string(code) + " not in the table"};
        }
        if (previous >= 0 && table.size() < 4096) {
            auto added = table[std::size_t(previous)];
            added.push_back(entry.front());
            table.push_back(added);
            if (table.size() == (std::size_t(1) << codeBits) && codeBits < 12) ++codeBits;
        }
        result.indices.insert(result.indices.end(), entry.begin(), entry.end());
        if (result.indices.size() > pixels) return {{}, "more pixels than the image holds"};
        previous = code;
    }
    if (data.size() * 8 - bit >= 8) return {{}, "bytes after the end code"};
    if (result.indices.size() != pixels) return {{}, "fewer pixels than the image holds"};
    return result;
}

// A palette image of `colours` distinct colours with random pixels; `runs` makes long runs of
// one colour, which drives the dictionary to long strings and wide codes.
QImage randomImage(int width, int height, int colours, unsigned seed, bool runs = false) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i, (i * 37) % 256, 255 - i));
    image.setColorTable(table);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, colours - 1);
    std::uniform_int_distribution<int> change(0, 199);
    int current = pick(random);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (!runs || change(random) == 0) current = pick(random);
            row[x] = uchar(current);
        }
    }
    return image;
}

// Every pixel of the decoded picture has the colour its index names in the source, and the
// strict reading gives back the very indices.
void expectSamePicture(const QImage& source, const QByteArray& gif) {
    const StrictGif strict = decodeStrictly(gif);
    ASSERT_TRUE(strict.problem.empty()) << strict.problem;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(source.width()) + std::size_t(x);
            if (strict.indices[i] != source.pixelIndex(x, y)) FAIL() << "index " << x << "," << y;
        }
    }
    const QImage decoded = decode(gif).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(decoded.isNull());
    ASSERT_EQ(decoded.size(), source.size());
    for (int y = 0; y < source.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(decoded.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = source.color(source.pixelIndex(x, y));
            if (qRgb(qRed(row[x]), qGreen(row[x]), qBlue(row[x])) != want) {
                FAIL() << "pixel " << x << "," << y << " of " << source.width() << "x"
                       << source.height() << " with " << source.colorCount() << " colours";
            }
        }
    }
}

TEST(GifWriter, QtCanReadGif) {
    EXPECT_TRUE(QImageReader::supportedImageFormats().contains("gif"));
}

TEST(GifWriter, AColourWithoutOpacityIsTransparent) {
    QImage image(4, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgba(255, 255, 255, 0), qRgb(9, 9, 9)});
    image.fill(1);
    image.setPixel(2, 1, 0);
    const auto gif = encodeGif(image);
    ASSERT_TRUE(gif);
    // The graphic control extension names entry 1.
    const qsizetype gce = gif->indexOf(QByteArray("\x21\xF9\x04\x01", 4));
    ASSERT_GE(gce, 0);
    EXPECT_EQ(gif->at(gce + 6), 1);
    QBuffer buffer;
    buffer.setData(*gif);
    const QImage read = QImageReader(&buffer, "gif").read().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(read.pixel(0, 0)), 0);
    EXPECT_EQ(read.pixel(2, 1), qRgb(0, 0, 0));

    // Without such a colour there is no extension.
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(9, 9, 9)});
    EXPECT_EQ(encodeGif(image)->indexOf(QByteArray("\x21\xF9", 2)), -1);
}

TEST(GifWriter, WritesHeaderScreenTableAndTrailer) {
    QImage image(300, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 255, 255), qRgb(1, 2, 3), qRgb(200, 100, 50)});
    image.fill(1);
    const auto gif = encodeGif(image);
    ASSERT_TRUE(gif);
    const auto byte = [&](int i) { return std::uint8_t(gif->at(i)); };
    EXPECT_TRUE(gif->startsWith("GIF89a"));
    EXPECT_EQ(byte(6) | byte(7) << 8, 300);
    EXPECT_EQ(byte(8) | byte(9) << 8, 2);
    EXPECT_EQ(byte(10), 0x91); // global table of 4 entries, 2 bits of colour depth
    // The three colours, then the padding entry.
    const std::uint8_t table[] = {255, 255, 255, 1, 2, 3, 200, 100, 50, 0, 0, 0};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(byte(13 + i), table[i]) << i;
    EXPECT_EQ(byte(25), 0x2C);
    EXPECT_EQ(byte(35), 2); // LZW minimum code size
    EXPECT_EQ(byte(int(gif->size()) - 1), 0x3B);
    expectSamePicture(image, *gif);
}

TEST(GifWriter, RoundTripsEveryPaletteSize) {
    for (const int colours : {1, 2, 3, 4, 5, 16, 17, 128, 255, 256}) {
        SCOPED_TRACE(colours);
        const QImage image = randomImage(97, 61, colours, unsigned(colours));
        const auto gif = encodeGif(image);
        ASSERT_TRUE(gif);
        expectSamePicture(image, *gif);
    }
}

TEST(GifWriter, RoundTripsTinyAndThinImages) {
    for (const QSize size : {QSize(1, 1), QSize(2, 1), QSize(1, 700), QSize(700, 1)}) {
        const QImage image = randomImage(size.width(), size.height(), 16, 7);
        const auto gif = encodeGif(image);
        ASSERT_TRUE(gif);
        expectSamePicture(image, *gif);
    }
}

// Long runs grow strings until the table of 4096 codes fills and is cleared many times; noise
// of 256 colours fills it fastest and keeps codes at 12 bits.
TEST(GifWriter, RoundTripsLargeImagesThroughManyTableResets) {
    for (const int colours : {2, 16, 256}) {
        for (const bool runs : {false, true}) {
            SCOPED_TRACE(testing::Message() << colours << " colours, runs " << runs);
            const QImage image = randomImage(640, 480, colours, 11, runs);
            const auto gif = encodeGif(image);
            ASSERT_TRUE(gif);
            expectSamePicture(image, *gif);
        }
    }
    QImage blank(2000, 1500, QImage::Format_Indexed8);
    blank.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    blank.fill(0);
    const auto gif = encodeGif(blank);
    ASSERT_TRUE(gif);
    EXPECT_LT(gif->size(), 20000); // a plain area compresses hard
    expectSamePicture(blank, *gif);
}

// The image may end on any code: right where the code width grows, or right before or after
// the table is cleared. Every length up to past several widenings, and lengths about the
// first clear of 256-colour noise, must decode.
TEST(GifWriter, RoundTripsWhereverTheDataEnds) {
    for (int length = 1; length <= 1200; ++length) {
        SCOPED_TRACE(length);
        const QImage image = randomImage(length, 1, 4, unsigned(length));
        const auto gif = encodeGif(image);
        ASSERT_TRUE(gif);
        expectSamePicture(image, *gif);
        if (HasFailure()) return;
    }
    for (int length = 3700; length <= 4300; length += 3) {
        SCOPED_TRACE(length);
        const QImage image = randomImage(length, 1, 256, unsigned(length));
        const auto gif = encodeGif(image);
        ASSERT_TRUE(gif);
        expectSamePicture(image, *gif);
        if (HasFailure()) return;
    }
}

TEST(GifWriter, RefusesImagesItCannotStore) {
    QString error;
    EXPECT_FALSE(encodeGif(QImage(4, 4, QImage::Format_RGB32), &error));
    EXPECT_FALSE(error.isEmpty());

    EXPECT_FALSE(encodeGif(QImage()));

    QImage noTable(4, 4, QImage::Format_Indexed8);
    noTable.fill(0);
    EXPECT_FALSE(encodeGif(noTable, &error));

    QImage outside(4, 4, QImage::Format_Indexed8);
    outside.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    outside.fill(1);
    outside.scanLine(3)[3] = 2; // an index past the table (setPixel would refuse it)
    error.clear();
    EXPECT_FALSE(encodeGif(outside, &error));
    EXPECT_TRUE(error.contains(QLatin1String("outside")));

    QImage wide(70000, 1, QImage::Format_Indexed8);
    wide.setColorTable({qRgb(0, 0, 0)});
    wide.fill(0);
    EXPECT_FALSE(encodeGif(wide));
}

} // namespace
} // namespace vornith::diagrams
