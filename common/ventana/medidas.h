#pragma once

// Window layouts are given in twips: 1440 to the inch, 15 to a pixel at 96
// pixels per inch. Qt's device-independent pixels are those 96-dpi pixels.

#include <QPoint>
#include <QRect>

namespace ventana {

constexpr int px(int twips) { return (twips + 7) / 15; }

constexpr QRect en_pixeles(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

constexpr QPoint en_pixeles(int left, int top) { return {px(left), px(top)}; }

} // namespace ventana
