// The diagram pictures shipped in assets/img: present under the exact names the problem
// markup uses, real GIF files, shaped like the box the markup fits them into.

#include "support/source_tree.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Shipped {
    const char* name;
    double widthMm; // the box of the picture in the problem markup
    double heightMm;
};

constexpr Shipped kPictures[] = {
    {"F_DIN_ATWOOD.GIF", 19.25, 28}, {"F_DIN_ME2M.GIF", 33.46, 22},
    {"F_DIN_pis2M.GIF", 45.6, 22},   {"F_DIN_ME3M.GIF", 42.93, 22},
    {"F_DIN_HOOKE.GIF", 23.52, 28},  {"F_DIN_PENCON.GIF", 27.52, 28},
    {"f_din_pis.GIF", 49.74, 24},    {"f_din_pii.GIF", 45.6, 22},
    {"f_din_peral.GIF", 45.6, 22},
};

TEST(ShippedDiagrams, AllNineArePresentUnderTheirExactNames) {
    const QString folder = vornith::test::sourcePictureFolder();
    ASSERT_FALSE(folder.isEmpty()) << "no assets/img in the source tree";
    const QStringList names = QDir(folder).entryList(QDir::Files);
    for (const auto& picture : kPictures) {
        EXPECT_TRUE(names.contains(QString::fromLatin1(picture.name), Qt::CaseSensitive))
            << picture.name;
    }
}

TEST(ShippedDiagrams, EachIsASharpGifShapedLikeItsBox) {
    const QString folder = vornith::test::sourcePictureFolder();
    ASSERT_FALSE(folder.isEmpty());
    for (const auto& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const QString path = QDir(folder).filePath(QString::fromLatin1(picture.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(6), QByteArray("GIF89a"));
        file.close();

        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("gif"));
        const QImage read = reader.read();
        ASSERT_FALSE(read.isNull()) << reader.errorString().toStdString();
        // The paper is transparent, so that a picture hanging beside text hides none of it.
        EXPECT_EQ(qAlpha(read.pixel(0, 0)), 0);
        // A band across the top at least one 12-point text height deep (4.69 mm) holds no
        // ink: a picture hanging beside a statement starts level with the line above.
        const int band = static_cast<int>(std::floor(4.7 * read.height() / picture.heightMm));
        for (int y = 0; y < band; ++y) {
            for (int x = 0; x < read.width(); ++x)
                ASSERT_EQ(qAlpha(read.pixel(x, y)), 0) << "ink at row " << y << " of " << band;
        }
        const QImage image = read.convertToFormat(QImage::Format_RGB32);

        const double shape = double(image.width()) / image.height();
        const double box = picture.widthMm / picture.heightMm;
        EXPECT_NEAR(shape / box, 1.0, 0.02);
        // At least 500 dots per inch of the printed size.
        EXPECT_GE(image.height(), picture.heightMm / 25.4 * 500);

        // Line art: mostly white paper, with black ink on it.
        long white = 0;
        long black = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(row[x]) == 255) ++white;
                if (qGray(row[x]) == 0) ++black;
            }
        }
        const double pixels = double(image.width()) * image.height();
        EXPECT_GT(white / pixels, 0.5);
        EXPECT_GT(black / pixels, 0.01);
    }
}

} // namespace
