// The icon theme's PNGs, and the .ico and .icns files the program is built
// with on Windows and macOS, are made from the window icon's XPMs at build
// time and must show the same picture, transparent background included.
#include <QFile>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QImage argbImage(const QString& path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

QByteArray iconFile(const char* name)
{
    QFile file(QStringLiteral(DEFWRIGHT_ICON_DIR "/") + QLatin1StringView(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage argbPng(const QByteArray& png)
{
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
}

// A directory of 16-byte entries, each giving its image's width, height, size and place.
QList<QImage> icoImages(const QByteArray& ico)
{
    QList<QImage> images;
    const int count = ico.size() >= 6 ? qFromLittleEndian<quint16>(ico.constData() + 4) : 0;
    for (int i = 0; i < count && ico.size() >= 6 + 16 * (i + 1); ++i) {
        const char* entry = ico.constData() + 6 + 16 * i;
        const QImage image = argbPng(ico.mid(qFromLittleEndian<quint32>(entry + 12),
                                             qFromLittleEndian<quint32>(entry + 8)));
        const bool sizeAgrees = QSize(uchar(entry[0]), uchar(entry[1])) == image.size();
        images.append(sizeAgrees ? image : QImage());
    }
    return images;
}

// "icns" and the whole length, then entries of a type, their length and a PNG.
QList<QImage> icnsImages(const QByteArray& icns)
{
    if (!icns.startsWith("icns") || icns.size() < 8 || qFromBigEndian<quint32>(icns.constData() + 4) != icns.size())
        return {};
    QList<QImage> images;
    for (qsizetype at = 8; at + 8 <= icns.size();) {
        const quint32 length = qFromBigEndian<quint32>(icns.constData() + at + 4);
        const QImage image = argbPng(icns.mid(at + 8, length - 8));
        const QByteArray type = image.width() == 16 ? "icp4" : "icp5";
        images.append(icns.mid(at, 4) == type ? image : QImage());
        at += length < 8 ? icns.size() : length;
    }
    return images;
}

// Comparing ARGB pixels also compares transparency: the corners are background.
TEST(IconFiles, ShowTheWindowIconPixelForPixelInEachSize)
{
    QList<QImage> xpms;
    QList<QImage> pngs;
    for (const int size : {16, 32}) {
        xpms.append(argbImage(QStringLiteral(DEFWRIGHT_XPM_DIR "/defwright-%1.xpm").arg(size)));
        pngs.append(argbImage(QStringLiteral(DEFWRIGHT_PNG_DIR "/defwright-%1.png").arg(size)));
        EXPECT_EQ(xpms.back().size(), QSize(size, size));
        EXPECT_EQ(qAlpha(xpms.back().pixel(0, 0)), 0);
    }
    EXPECT_EQ(pngs, xpms);
    EXPECT_EQ(icoImages(iconFile("defwright.ico")), xpms);
    EXPECT_EQ(icnsImages(iconFile("defwright.icns")), xpms);
}

} // namespace
