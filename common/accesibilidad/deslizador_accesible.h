#pragma once

#include "texto_de_revision.h"
#include "texto_del_valor.h"

#include <QAccessibleWidget>

namespace calculadora {
class Deslizador;
}

namespace accesibilidad {

// A Deslizador heard as the quantity it stands for, in the unit its name
// gives: 1.1 for 1.1 kΩ, 0.02 for 0.02 uF, with the read-out's step, never
// the raw position. Where Qt carries a value's text, screen readers hear the
// number as the read-out writes it; the others write it themselves. Its
// text in a line-by-line review is its name and that number ("Resistencia R
// en kiloohmios 1.4"), not the share of its range ("1 percent").
class DeslizadorAccesible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DeslizadorAccesible(QWidget* deslizador);

    void* interface_cast(QAccessible::InterfaceType tipo) override;
    [[nodiscard]] QString text(QAccessible::Text texto) const override;

    [[nodiscard]] QVariant currentValue() const override;
    void setCurrentValue(const QVariant& valor) override;
    [[nodiscard]] QVariant maximumValue() const override;
    [[nodiscard]] QVariant minimumValue() const override;
    [[nodiscard]] QVariant minimumStepSize() const override;

private:
    [[nodiscard]] calculadora::Deslizador* deslizador() const;

    TextoDelValor texto_del_valor_;
    TextoDeRevision revision_;
};

} // namespace accesibilidad
