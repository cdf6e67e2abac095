#pragma once

#include <QSlider>

namespace calculadora {

// A slider whose positions stand for a quantity in a unit, so many positions
// to the unit. Screen readers hear the quantity, as its read-out shows it,
// never the raw position.
class Deslizador : public QSlider {
    Q_OBJECT

public:
    Deslizador(QWidget* padre, double posiciones_por_unidad);

    [[nodiscard]] double en_unidades(int posicion) const { return posicion / posiciones_por_unidad_; }
    [[nodiscard]] int posicion_de(double cantidad) const;

private:
    double posiciones_por_unidad_;
};

} // namespace calculadora
