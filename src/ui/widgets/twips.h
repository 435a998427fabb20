#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace defwright {

/// A rectangle in twips (1/1440 inch), the unit the window layouts are drawn in.
struct TwipsRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// A point in twips: where a container's client area starts, in the coordinates
/// its children's rectangles are given in.
struct TwipsPoint {
    int x = 0;
    int y = 0;
};

/// The one conversion from twips to Qt's logical pixels: 15 twips are one pixel
/// at 96 dots per inch. Qt scales logical pixels on HiDPI screens.
constexpr int twipsToPixels(int twips)
{
    constexpr int kTwipsPerPixel = 15;
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QSize pixelSize(int widthTwips, int heightTwips)
{
    return {twipsToPixels(widthTwips), twipsToPixels(heightTwips)};
}

inline QPoint pixelPoint(int xTwips, int yTwips)
{
    return {twipsToPixels(xTwips), twipsToPixels(yTwips)};
}

/// The rectangle's place inside a container whose client area starts at `origin`,
/// both measured from the same corner.
inline QRect pixelRect(const TwipsRect& rect, const TwipsPoint& origin = {})
{
    return {pixelPoint(rect.x - origin.x, rect.y - origin.y), pixelSize(rect.width, rect.height)};
}

} // namespace defwright
