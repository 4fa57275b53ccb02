#pragma once

#include <QRect>
#include <QWidget>

// Window layouts are given in twips: 15 twips are one pixel at 96 dpi, which
// is one device-independent pixel of Qt, so high-dpi scaling still applies.
namespace Twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(double twips)
{
    return int(twips / perPixel + (twips >= 0 ? 0.5 : -0.5));
}

constexpr double fromPixels(int pixels)
{
    return double(pixels) * perPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(rect(left, top, width, height));
}

} // namespace Twips
