#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace
{

constexpr qsizetype kPicture = 1518;

QByteArray shippedPictures()
{
    QFile file(VERTOX_GAME_DIR "/vertoxwn.dat");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage face(const QByteArray &all, int n)
{
    QImage image;
    image.loadFromData(all.mid((n - 1) * kPicture, kPicture), "BMP");
    return image;
}

bool isDark(QRgb rgb)
{
    return qGray(rgb) < 100;
}

} // namespace

TEST(DiePictures, FileHoldsSixFourBitPicturesOfFiftyPixels)
{
    const QByteArray all = shippedPictures();
    ASSERT_EQ(all.size(), 9108);
    for (int n = 1; n <= 6; ++n) {
        const QByteArray piece = all.mid((n - 1) * kPicture, kPicture);
        EXPECT_TRUE(piece.startsWith("BM")) << "face " << n;
        EXPECT_EQ(uint8_t(piece[28]), 4) << "bits per pixel of face " << n;
        const QImage image = face(all, n);
        ASSERT_FALSE(image.isNull()) << "face " << n;
        EXPECT_EQ(image.size(), QSize(50, 50)) << "face " << n;
    }
}

TEST(DiePictures, PipsFollowTheUsualLayouts)
{
    const QByteArray all = shippedPictures();
    ASSERT_EQ(all.size(), 9108);
    for (int n = 1; n <= 6; ++n) {
        const QImage image = face(all, n);
        ASSERT_FALSE(image.isNull());
        const bool odd = n % 2 == 1;
        EXPECT_EQ(isDark(image.pixel(25, 25)), odd) << "centre of face " << n;
        EXPECT_EQ(isDark(image.pixel(13, 13)), n > 1) << "upper left pip of face " << n;
        EXPECT_EQ(isDark(image.pixel(37, 13)), n > 3) << "upper right pip of face " << n;
        EXPECT_EQ(isDark(image.pixel(13, 25)), n == 6) << "middle left pip of face " << n;
        // Between the pips the die is white, and its corners show the panel's green.
        EXPECT_EQ(image.pixel(25, 18), qRgb(255, 255, 255)) << "face " << n;
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 128, 0)) << "face " << n;
    }
}
