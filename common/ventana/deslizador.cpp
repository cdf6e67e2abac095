#include "deslizador.h"

#include <cmath>

namespace calculadora {

Deslizador::Deslizador(QWidget* padre, double posiciones_por_unidad)
    : QSlider(Qt::Vertical, padre)
    , posiciones_por_unidad_(posiciones_por_unidad)
{}

int Deslizador::posicion_de(double cantidad) const
{
    return static_cast<int>(std::lround(cantidad * posiciones_por_unidad_));
}

} // namespace calculadora
