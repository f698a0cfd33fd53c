#include "gif_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace vornith::diagrams {
namespace {

constexpr int kMaxCodes = 4096; // LZW codes are at most 12 bits wide in GIF
constexpr int kMaxCodeBits = 12;

void putWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// Packs variable-width codes least significant bit first and cuts the bytes into the data
// sub-blocks (a length byte, then up to 255 bytes) that GIF image data is stored in.
class CodeWriter {
  public:
    explicit CodeWriter(QByteArray& out) : out_(out) {}

    void put(int code, int bits) {
        // Fewer than 8 bits wait in the accumulator, so 8 + 12 bits always fit.
        pending_ |= std::uint32_t(code) << pendingBits_;
        pendingBits_ += bits;
        while (pendingBits_ >= 8) {
            pushByte(std::uint8_t(pending_ & 0xFF));
            pending_ >>= 8;
            pendingBits_ -= 8;
        }
    }

    // Flushes the last partial byte and block, then writes the empty block that ends the data.
    void finish() {
        if (pendingBits_ > 0) pushByte(std::uint8_t(pending_ & 0xFF));
        pending_ = 0;
        pendingBits_ = 0;
        flushBlock();
        out_.append('\0');
    }

  private:
    void pushByte(std::uint8_t byte) {
        block_[blockLength_++] = byte;
        if (blockLength_ == block_.size()) flushBlock();
    }
    void flushBlock() {
        if (blockLength_ == 0) return;
        out_.append(char(blockLength_));
        out_.append(reinterpret_cast<const char*>(block_.data()), qsizetype(blockLength_));
        blockLength_ = 0;
    }

    QByteArray& out_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
    std::array<std::uint8_t, 255> block_{};
    std::size_t blockLength_ = 0;
};

// Variable-width LZW as GIF uses it. The dictionary is a table of children: the code of
// "string of code p followed by pixel c" sits at p * alphabet + c, 0 meaning absent (no string
// ever gets code 0, which is a single pixel). When all 4096 codes are taken a clear code
// starts a fresh dictionary.
void encodePixels(const QImage& image, int minCodeSize, QByteArray& out) {
    const int alphabet = 1 << minCodeSize;
    const int clearCode = alphabet;
    const int endCode = alphabet + 1;
    std::vector<std::uint16_t> children(std::size_t(kMaxCodes) * std::size_t(alphabet), 0);
    int nextCode = endCode + 1;
    int codeBits = minCodeSize + 1;

    CodeWriter writer(out);
    writer.put(clearCode, codeBits);
    int prefix = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int pixel = row[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            std::uint16_t& child =
                children[std::size_t(prefix) * std::size_t(alphabet) + std::size_t(pixel)];
            if (child != 0) {
                prefix = child;
                continue;
            }
            writer.put(prefix, codeBits);
            const int added = nextCode++;
            child = std::uint16_t(added);
            // A decoder learns each entry one code late, so it widens its codes exactly when
            // the entry just added here no longer fits the current width.
            if (added == (1 << codeBits) && codeBits < kMaxCodeBits) ++codeBits;
            if (nextCode == kMaxCodes) {
                writer.put(clearCode, codeBits);
                std::fill(children.begin(), children.end(), std::uint16_t(0));
                nextCode = endCode + 1;
                codeBits = minCodeSize + 1;
            }
            prefix = pixel;
        }
    }
    writer.put(prefix, codeBits);
    // The decoder adds an entry after this last code too, and may widen before the end code.
    if (nextCode < kMaxCodes && nextCode == (1 << codeBits) && codeBits < kMaxCodeBits) {
        ++codeBits;
    }
    writer.put(endCode, codeBits);
    writer.finish();
}

bool fail(QString* error, const char* why) {
    if (error) *error = QString::fromLatin1(why);
    return false;
}

bool checkImage(const QImage& image, QString* error) {
    if (image.format() != QImage::Format_Indexed8)
        return fail(error, "the image is not an 8-bit palette image");
    if (image.isNull() || image.width() < 1 || image.height() < 1)
        return fail(error, "the image has no pixels");
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        return fail(error, "the image is wider or taller than 65535 pixels");
    const int colours = image.colorCount();
    if (colours < 1 || colours > 256)
        return fail(error, "the colour table must hold 1 to 256 colours");
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] >= colours) return fail(error, "a pixel lies outside the colour table");
        }
    }
    return true;
}

} // namespace

std::optional<QByteArray> encodeGif(const QImage& image, QString* error) {
    if (!checkImage(image, error)) return std::nullopt;

    // The colour table holds 2^tableBits entries; LZW needs a code size of at least 2.
    const int colours = image.colorCount();
    int tableBits = 1;
    while ((1 << tableBits) < colours)
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray out;
    out.append("GIF89a", 6);
    // Logical screen descriptor: size, global table present with its colour depth and size,
    // background colour 0, square pixels.
    putWord(out, image.width());
    putWord(out, image.height());
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append('\0');
    out.append('\0');
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb rgb = i < colours ? table[i] : qRgb(0, 0, 0);
        out.append(char(qRed(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qBlue(rgb)));
    }
    // A colour of the table with no opacity is the transparent one: a graphic control
    // extension names it (no delay, no disposal).
    for (int i = 0; i < colours; ++i) {
        if (qAlpha(table[i]) != 0) continue;
        out.append(char(0x21));
        out.append(char(0xF9));
        out.append(char(4));
        out.append(char(0x01));
        putWord(out, 0);
        out.append(char(i));
        out.append('\0');
        break;
    }
    // Image descriptor: the whole screen, no local table, not interlaced.
    out.append(char(0x2C));
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width());
    putWord(out, image.height());
    out.append('\0');
    out.append(char(minCodeSize));
    encodePixels(image, minCodeSize, out);
    out.append(char(0x3B)); // trailer
    return out;
}

} // namespace vornith::diagrams
