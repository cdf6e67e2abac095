#pragma once

// The fonts and colours the three calculator windows share.

#include <QColor>
#include <QFont>

class QWidget;

namespace calculadora {

namespace colores {
inline const QColor blanco{255, 255, 255};
inline const QColor negro{0, 0, 0};
inline const QColor rojo{255, 0, 0};
inline const QColor verde{0, 128, 0};
inline const QColor azul{0, 0, 255};
inline const QColor azul_oscuro{0, 0, 192};
} // namespace colores

// The family the windows were designed with, its outline successor, and the
// metric-close free font that stands in for them where the system has
// neither.
inline constexpr auto familia_de_diseno = "MS Sans Serif";
inline constexpr auto familia_sucesora = "Microsoft Sans Serif";
inline constexpr auto familia_sustituta = "Liberation Sans";

// MS Sans Serif at 8.25, 9.75, 12, 13.5 or 18 points, regular or bold.
QFont fuente(double puntos, bool negrita = false);

// Text colour of a control (labels, boxes, buttons, a frame's caption) that
// the design sets on white: the text takes the colour and the control's
// backgrounds (a box's inside, a painted label) white, so that no theme can
// put a light text on the white window or a red one in a dark box.
void color_de_texto(QWidget* control, const QColor& color);

// Every colour of the theme's palette, set on the control itself: a
// control that the design leaves in the theme's colours (the banner)
// then keeps its text and its background together instead of taking the
// white of the window around it.
void colores_del_tema(QWidget* control);

// A control drawn with a white background of its own.
void fondo_blanco(QWidget* control);

} // namespace calculadora
