#include "dibujo.h"

#include "icono.h"

#include <QPainter>

namespace calculadora {

Dibujo::Dibujo(QWidget* padre, const QString& recurso)
    : QWidget(padre)
    , icono_(icono(recurso))
{}

void Dibujo::paintEvent(QPaintEvent* /*evento*/)
{
    QPainter pintor(this);
    icono_.paint(&pintor, rect());
}

} // namespace calculadora
