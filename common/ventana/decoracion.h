#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

#include <optional>

namespace calculadora {

// A stroke of the window's drawing: a straight line of a formula (fraction
// bar, radical) or the thin outline around a slider. It takes no input and
// says nothing to screen readers.
class Decoracion : public QWidget {
    Q_OBJECT

public:
    // A line between two points of the container, the given pixels thick.
    static Decoracion* linea(QWidget* padre, QPoint desde, QPoint hasta, const QColor& color, int grosor);
    // A black outline one pixel wide along the edge of the rectangle.
    static Decoracion* contorno(QWidget* padre, QRect lugar);

    // The line in its container's coordinates; none for an outline.
    [[nodiscard]] std::optional<QLine> linea_en_el_contenedor() const;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Decoracion(QWidget* padre, QRect caja, std::optional<QLine> trazo, const QColor& color, int grosor);

    std::optional<QLine> trazo_; // in the widget's own coordinates; none for an outline
    QColor color_;
    int grosor_;
};

} // namespace calculadora
