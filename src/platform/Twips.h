#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <climits>

// Layout positions are kept in twips, as the form was designed; they become pixels only here.
// A pixel is 15 twips at 96 dpi; Qt's device-independent pixels are 96 dpi pixels.
namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips)
{
    const long long t = twips;
    const long long half = kTwipsPerPixel / 2;
    return int(t >= 0 ? (t + half) / kTwipsPerPixel : -((-t + half) / kTwipsPerPixel));
}

// Saturates instead of overflowing for absurd pixel counts.
constexpr int pixelsToTwips(int pixels)
{
    const long long t = static_cast<long long>(pixels) * kTwipsPerPixel;
    return int(std::clamp<long long>(t, INT_MIN, INT_MAX));
}

inline QPoint twipsToPixels(QPoint twips)
{
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y())};
}

inline QSize twipsToPixels(QSize twips)
{
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

// Converts the corners, so that neighbouring rectangles stay edge to edge.
inline QRect twipsToPixels(const QRect& twips)
{
    const QPoint topLeft = twipsToPixels(twips.topLeft());
    const int right = twipsToPixels(twips.x() + twips.width());
    const int bottom = twipsToPixels(twips.y() + twips.height());
    return {topLeft, QSize(right - topLeft.x(), bottom - topLeft.y())};
}

} // namespace platform
