#pragma once

// Window layouts are given in twips: 1440 to the inch, 15 to a pixel at 96
// pixels per inch. Qt's device-independent pixels are those 96-dpi pixels.

#include <QPoint>
#include <QRect>

namespace calculadora {

constexpr int px(int twips) { return (twips + 7) / 15; }

constexpr QRect en_pixeles(int izquierda, int arriba, int ancho, int alto)
{
    return {px(izquierda), px(arriba), px(ancho), px(alto)};
}

constexpr QPoint en_pixeles(int izquierda, int arriba) { return {px(izquierda), px(arriba)}; }

// A control's place in a design table, in twips.
struct Lugar {
    int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
};

constexpr QRect en_pixeles(Lugar lugar) { return en_pixeles(lugar.izquierda, lugar.arriba, lugar.ancho, lugar.alto); }

} // namespace calculadora
