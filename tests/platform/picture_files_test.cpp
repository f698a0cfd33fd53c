#include "platform/picture_files.h"
#include "platform/qt/qt_picture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vornith {
namespace {

TEST(PictureFiles, OnlyPlainNamesAreAccepted) {
    EXPECT_TRUE(isPlainFileName(QStringLiteral("F_DIN_ATWOOD.GIF")));
    EXPECT_TRUE(isPlainFileName(QStringLiteral("foto 1.jpg")));
    for (const char* bad : {"", ".", "..", "../x.gif", "a/b.gif", "a\\b.gif", "..gif", "C:x.gif",
                            "/etc/passwd", "x\n.gif", "x\x01.gif"}) {
        EXPECT_FALSE(isPlainFileName(QString::fromLatin1(bad))) << bad;
    }
}

TEST(PictureFiles, NamesOtherFileSystemsCannotHoldAreRefused) {
    for (const char* good : {" hoja.gif", "a-b.png", "con1.gif", "COM0.png", "consola.gif",
                             "LPT10.gif", ".oculta.png", "a\xA0.gif"})
        EXPECT_TRUE(isPlainFileName(QString::fromLatin1(good))) << good;
    for (const char* bad :
         {"a?.gif", "a*.gif", "a<b.gif", "a>b.gif", "a|b.gif", "a\"b.gif", "a\x80.gif", "a\x9F.gif",
          "figura.", "figura ", "-x.gif", "CON", "con.gif", "Nul.tar.gz", "aux .png", "PRN.gif",
          "COM1", "com9.png", "LPT1.gif"})
        EXPECT_FALSE(isPlainFileName(QString::fromLatin1(bad))) << bad;
}

class PictureFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("img"));
        QDir(root.path()).mkpath(QStringLiteral("temp"));
        folders = {root.filePath(QStringLiteral("img")), root.filePath(QStringLiteral("temp"))};
    }
    void writeImage(const QString& folder, const QString& name, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(QDir(folder).filePath(name), "PNG"));
    }
    QTemporaryDir root;
    PictureFolders folders;
};

TEST_F(PictureFolderTest, LookupIgnoresCaseAndPrefersImg) {
    writeImage(folders.img, QStringLiteral("f_din_pis.GIF"), 40, 20);
    writeImage(folders.temp, QStringLiteral("F_DIN_PIS.GIF"), 10, 10);
    writeImage(folders.temp, QStringLiteral("only_temp.png"), 8, 4);
    EXPECT_TRUE(findPicture(folders, QStringLiteral("F_DIN_PIS.GIF")).startsWith(folders.img));
    EXPECT_TRUE(findPicture(folders, QStringLiteral("ONLY_TEMP.PNG")).startsWith(folders.temp));
    EXPECT_TRUE(findPicture(folders, QStringLiteral("missing.gif")).isEmpty());

    QtPictureLoader loader(folders);
    const auto picture = loader.load(QStringLiteral("F_DIN_PIS.GIF"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->widthPixels(), 40);
    EXPECT_EQ(picture->heightPixels(), 20);
    EXPECT_EQ(loader.load(QStringLiteral("missing.gif")), nullptr);
}

TEST_F(PictureFolderTest, NamesLeavingTheFoldersAreRefused) {
    writeImage(root.path(), QStringLiteral("outside.png"), 4, 4);
    QtPictureLoader loader(folders);
    EXPECT_EQ(loader.load(QStringLiteral("../outside.png")), nullptr);
    EXPECT_TRUE(findPicture(folders, QStringLiteral("../outside.png")).isEmpty());
    EXPECT_TRUE(findPicture(folders, root.filePath(QStringLiteral("outside.png"))).isEmpty());
}

TEST_F(PictureFolderTest, EachFileIsDecodedOnceUntilForgotten) {
    writeImage(folders.temp, QStringLiteral("Plano.png"), 40, 20);
    QFile junk(QDir(folders.temp).filePath(QStringLiteral("roto.gif")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    QtPictureLoader loader(folders);
    const auto first = loader.load(QStringLiteral("PLANO.PNG"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(loader.load(QStringLiteral("plano.png")), first);
    EXPECT_EQ(loader.load(QStringLiteral("roto.gif")), nullptr);

    // Written anew: the old picture stays until the loader is told.
    writeImage(folders.temp, QStringLiteral("Plano.png"), 8, 8);
    writeImage(folders.temp, QStringLiteral("roto.gif"), 6, 6);
    EXPECT_EQ(loader.load(QStringLiteral("Plano.png")), first);
    EXPECT_EQ(loader.load(QStringLiteral("roto.gif")), nullptr);
    loader.useFolder(folders.temp);
    const auto second = loader.load(QStringLiteral("PLANO.PNG"));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->widthPixels(), 8);
    const auto repaired = loader.load(QStringLiteral("roto.gif"));
    ASSERT_NE(repaired, nullptr);
    EXPECT_EQ(repaired->widthPixels(), 6);

    // A name not found is looked up again next time.
    EXPECT_EQ(loader.load(QStringLiteral("nuevo.png")), nullptr);
    writeImage(folders.img, QStringLiteral("nuevo.png"), 3, 3);
    EXPECT_NE(loader.load(QStringLiteral("nuevo.png")), nullptr);
}

// Only regular files that are not links are pictures: nothing outside the folders is read,
// and no read blocks or grows without end.
TEST_F(PictureFolderTest, LinksPipesAndDevicesAreNoPictures) {
    QDir(root.path()).mkpath(QStringLiteral("fuera"));
    const QString secreto = root.filePath(QStringLiteral("fuera/secreto.png"));
    writeImage(root.filePath(QStringLiteral("fuera")), QStringLiteral("secreto.png"), 5, 5);
    ASSERT_TRUE(QFile::link(secreto, folders.img + QStringLiteral("/x.png")));
    ASSERT_TRUE(QFile::link(secreto, folders.temp + QStringLiteral("/Y.PNG")));
    ASSERT_TRUE(QFile::link(root.filePath(QStringLiteral("fuera/nada.png")),
                            folders.temp + QStringLiteral("/colgante.png")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("/dev/zero"), folders.img + QStringLiteral("/cero.png")));
    const QString fifo = folders.temp + QStringLiteral("/tuberia.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    QtPictureLoader loader(folders);
    const FolderIndex img(folders.img);
    const FolderIndex temp(folders.temp);
    for (const char* name :
         {"x.png", "y.png", "Y.PNG", "colgante.png", "cero.png", "tuberia.png"}) {
        const QString nombre = QString::fromLatin1(name);
        EXPECT_TRUE(findPicture(folders, nombre).isEmpty()) << name;
        EXPECT_TRUE(img.find(nombre).isEmpty() && temp.find(nombre).isEmpty()) << name;
        EXPECT_EQ(loader.load(nombre), nullptr) << name;
    }
    EXPECT_EQ(readPictureFile(fifo), std::nullopt);
    EXPECT_EQ(readPictureFile(QStringLiteral("/dev/zero")), std::nullopt);
    EXPECT_EQ(readPictureFile(folders.img + QStringLiteral("/x.png")), std::nullopt);
    EXPECT_NE(readPictureFile(secreto), std::nullopt); // the links are refused as links

    // A file beyond the size read is no picture either.
    QFile grande(folders.img + QStringLiteral("/grande.png"));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    ASSERT_TRUE(grande.resize(kMaxPictureFileBytes + 1)); // sparse: takes no room
    grande.close();
    EXPECT_EQ(readPictureFile(grande.fileName()), std::nullopt);
    EXPECT_EQ(loader.load(QStringLiteral("grande.png")), nullptr);
}

// Two collections may carry different pictures under one name: once the loader is told the
// folder of the other, it never gives the picture it decoded from the first.
TEST_F(PictureFolderTest, AnotherFolderGivesItsOwnPictureOfTheSameName) {
    const QString p = root.filePath(QStringLiteral("temp/p"));
    const QString q = root.filePath(QStringLiteral("temp/q"));
    QDir().mkpath(p);
    QDir().mkpath(q);
    writeImage(q, QStringLiteral("figura1.gif"), 64, 64);
    writeImage(p, QStringLiteral("FIGURA1.GIF"), 16, 16);
    QtPictureLoader loader({folders.img, q});
    // The width of figura1.gif once the loader is told `folder`; 0 when it gives none.
    const auto ancho = [&loader](const QString& folder) {
        loader.useFolder(folder);
        const auto figura = loader.load(QStringLiteral("figura1.gif"));
        return figura ? figura->widthPixels() : 0;
    };
    EXPECT_EQ(ancho(q), 64);
    EXPECT_EQ(ancho(p), 16);
    EXPECT_EQ(ancho(q), 64);
    EXPECT_EQ(ancho(QString()), 0);
}

TEST_F(PictureFolderTest, PicturesBeyondThePixelBudgetAreNoPictures) {
    // One bit per pixel: small to write, large once decoded.
    const auto escribe = [this](const QString& name, int w, int h) {
        QImage image(w, h, QImage::Format_Mono);
        image.fill(1);
        ASSERT_TRUE(image.save(QDir(folders.img).filePath(name), "PNG"));
    };
    escribe(QStringLiteral("justa.png"), 4000, 4000);
    escribe(QStringLiteral("grande.png"), 4000, 4001);
    QtPictureLoader loader(folders);
    const auto justa = loader.load(QStringLiteral("justa.png"));
    ASSERT_NE(justa, nullptr);
    EXPECT_EQ(qint64{justa->widthPixels()} * justa->heightPixels(), QtPictureLoader::kMaxPixels);
    EXPECT_EQ(loader.load(QStringLiteral("grande.png")), nullptr);
}

TEST_F(PictureFolderTest, DecodedPicturesKeptStayWithinTheMemoryGiven) {
    for (const char* name : {"a.png", "b.png", "c.png"})
        writeImage(folders.img, QString::fromLatin1(name), 40, 20); // 3200 bytes decoded
    QtPictureLoader loader(folders, 7000);
    const auto a = loader.load(QStringLiteral("a.png"));
    const auto b = loader.load(QStringLiteral("b.png"));
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(loader.load(QStringLiteral("a.png")), a);
    // A third does not fit: the oldest is let go and read again when asked for.
    EXPECT_NE(loader.load(QStringLiteral("c.png")), nullptr);
    EXPECT_EQ(loader.load(QStringLiteral("b.png")), b);
    const auto again = loader.load(QStringLiteral("a.png"));
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, a);
    EXPECT_EQ(again->widthPixels(), 40);
}

TEST_F(PictureFolderTest, UnreadableFileIsNoPicture) {
    QFile junk(QDir(folders.img).filePath(QStringLiteral("junk.gif")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    QtPictureLoader loader(folders);
    EXPECT_EQ(loader.load(QStringLiteral("junk.gif")), nullptr);
}

} // namespace
} // namespace vornith
