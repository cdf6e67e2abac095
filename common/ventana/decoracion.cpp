#include "decoracion.h"

#include <QPainter>

namespace calculadora {

Decoracion::Decoracion(QWidget* padre, QRect caja, std::optional<QLine> trazo, const QColor& color, int grosor)
    : QWidget(padre)
    , trazo_(trazo)
    , color_(color)
    , grosor_(grosor)
{
    setGeometry(caja);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

Decoracion* Decoracion::linea(QWidget* padre, QPoint desde, QPoint hasta, const QColor& color, int grosor)
{
    // The widget covers the line's bounding box, widened by half the pen.
    const int margen = (grosor + 1) / 2;
    const QRect caja = QRect(desde, hasta).normalized().adjusted(-margen, -margen, margen, margen);
    return new Decoracion(padre, caja, QLine(desde, hasta).translated(-caja.topLeft()), color, grosor);
}

Decoracion* Decoracion::contorno(QWidget* padre, QRect lugar)
{
    return new Decoracion(padre, lugar, std::nullopt, Qt::black, 1);
}

std::optional<QLine> Decoracion::linea_en_el_contenedor() const
{
    if (!trazo_)
        return std::nullopt;
    return trazo_->translated(pos());
}

void Decoracion::paintEvent(QPaintEvent* /*evento*/)
{
    QPainter pintor(this);
    if (!trazo_) {
        pintor.setPen(QPen(color_, grosor_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        pintor.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)); // the outermost pixels
        return;
    }
    // Only a slanted stroke needs smoothing; straight bars stay crisp.
    pintor.setRenderHint(QPainter::Antialiasing, trazo_->dx() != 0 && trazo_->dy() != 0);
    pintor.setPen(QPen(color_, grosor_, Qt::SolidLine, Qt::FlatCap));
    pintor.drawLine(*trazo_);
}

} // namespace calculadora
