#include "deslizador.h"

#include <cmath>

namespace calculadora {

Deslizador::Deslizador(QWidget* padre, double escala)
    : QSlider(Qt::Vertical, padre)
    , escala_(escala)
{}

int Deslizador::posicion_de(double cantidad) const { return static_cast<int>(std::lround(cantidad * escala_)); }

} // namespace calculadora
