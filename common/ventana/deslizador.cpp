#include "deslizador.h"

#include <cmath>

namespace ventana {

Deslizador::Deslizador(QWidget* padre, double escala)
    : QSlider(Qt::Vertical, padre)
    , escala_(escala)
{}

int Deslizador::posicion_de(double cantidad) const { return static_cast<int>(std::lround(cantidad * escala_)); }

} // namespace ventana
