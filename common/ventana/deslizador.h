#pragma once

#include <QSlider>

namespace calculadora {

// A slider whose positions stand for a quantity in a unit: position divided
// by its scale. Screen readers hear the quantity, as its read-out shows it,
// never the raw position.
class Deslizador : public QSlider {
    Q_OBJECT

public:
    Deslizador(QWidget* padre, double escala);

    [[nodiscard]] double en_unidades(int posicion) const { return posicion / escala_; }
    [[nodiscard]] int posicion_de(double cantidad) const;

private:
    double escala_;
};

} // namespace calculadora
