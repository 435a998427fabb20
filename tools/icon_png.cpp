// Writes the program's XPM icons as one PNG, for the icon theme, or as the
// Windows .ico or macOS .icns file the program is built with, each holding
// every size given as a PNG:
//   defwright_icon_png defwright-32.xpm defwright.png
//   defwright_icon_png defwright-16.xpm defwright-32.xpm defwright.ico
// QImage reads and writes images without a QGuiApplication, so the build runs
// this with no display.
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <QtEndian>

#include <cstdio>

namespace {

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

template <typename Number>
void append(QByteArray& bytes, Number value, bool bigEndian = false)
{
    char raw[sizeof(Number)];
    if (bigEndian)
        qToBigEndian(value, raw);
    else
        qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(Number));
}

// An icon directory, then one 16-byte entry per image pointing at its PNG.
QByteArray icoBytes(const QList<QImage>& images)
{
    QByteArray bytes;
    append<quint16>(bytes, 0);
    append<quint16>(bytes, 1);
    append(bytes, static_cast<quint16>(images.size()));
    QByteArray data;
    for (const QImage& image : images) {
        const QByteArray png = pngBytes(image);
        bytes.append(static_cast<char>(image.width() % 256)).append(static_cast<char>(image.height() % 256));
        bytes.append(2, '\0'); // no palette, reserved
        append<quint16>(bytes, 1);
        append<quint16>(bytes, 32);
        append(bytes, static_cast<quint32>(png.size()));
        append(bytes, static_cast<quint32>(6 + 16 * images.size() + data.size()));
        data += png;
    }
    return bytes + data;
}

// "icns" and its length, then per image a type naming its size and the PNG.
QByteArray icnsBytes(const QList<QImage>& images)
{
    QByteArray entries;
    for (const QImage& image : images) {
        const QByteArray png = pngBytes(image);
        entries += image.width() <= 16 ? "icp4" : "icp5";
        append(entries, static_cast<quint32>(8 + png.size()), true);
        entries += png;
    }
    QByteArray bytes("icns");
    append(bytes, static_cast<quint32>(8 + entries.size()), true);
    return bytes + entries;
}

} // namespace

int main(int argc, char* argv[])
{
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[argc - 1]) : QString();
    const bool png = output.endsWith(QStringLiteral(".png"));
    const bool ico = output.endsWith(QStringLiteral(".ico"));
    if ((png && argc != 3) || !(png || ico || output.endsWith(QStringLiteral(".icns")))) {
        std::fprintf(stderr, "usage: %s ICON.xpm ICON.png | %s ICON.xpm... ICON.ico|ICON.icns\n", argv[0], argv[0]);
        return 2;
    }
    QList<QImage> images;
    for (int i = 1; i < argc - 1; ++i) {
        images.append(QImage(QString::fromLocal8Bit(argv[i]), "XPM"));
        if (images.constLast().isNull()) {
            std::fprintf(stderr, "%s: cannot read %s as XPM\n", argv[0], argv[i]);
            return 1;
        }
    }
    QFile file(output);
    const QByteArray bytes = png ? pngBytes(images.constFirst()) : ico ? icoBytes(images) : icnsBytes(images);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[argc - 1]);
        return 1;
    }
    return 0;
}
