// The icon theme's PNGs are made from the window icon's XPMs at build time and
// must show the same picture, transparent background included.
#include <QImage>
#include <QSize>
#include <QString>

#include <gtest/gtest.h>

namespace {

QImage argbImage(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

class IconPng : public testing::TestWithParam<int> {
protected:
    const int size = GetParam();
    const QImage xpm = argbImage(QStringLiteral(DEFWRIGHT_XPM_DIR "/defwright-%1.xpm").arg(size));
    const QImage png = argbImage(QStringLiteral(DEFWRIGHT_PNG_DIR "/defwright-%1.png").arg(size));
};

// Comparing ARGB pixels also compares transparency: the corners are background.
TEST_P(IconPng, ShowsTheWindowIconPixelForPixel)
{
    ASSERT_FALSE(xpm.isNull());
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(xpm.pixel(0, 0)), 0);
    EXPECT_EQ(png, xpm);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, IconPng, testing::Values(16, 32));

} // namespace
