#pragma once

#include <QProxyStyle>

namespace calculadora {

// The widget style of the calculators: the desktop's own (or the given
// base style), except that a frame's border leaves the frame's inside to the
// frame's background. Some styles shade the inside of a frame (Fusion a
// slightly grey white), which would set the white labels of a white frame on
// lighter patches.
class EstiloDeMarcos : public QProxyStyle {
    Q_OBJECT

public:
    explicit EstiloDeMarcos(QStyle* base = nullptr);

    void drawPrimitive(PrimitiveElement elemento, const QStyleOption* opcion, QPainter* pintor,
                       const QWidget* control) const override;
};

// Makes EstiloDeMarcos, over the style Qt chose, the application's style.
void instalar_estilo_de_marcos();

} // namespace calculadora
