#pragma once

#include "numerico/unidades.h"

#include <QComboBox>

#include <span>

namespace calculadora {

// An editable list of the units of a unit table, in the table's order,
// at its place and in its font, showing at start the unit whose factor it is
// given. It keeps the factor in
// force by the rule of every unit list: an item chosen, or a text that is
// exactly one of the units (letter case and blanks count), puts that unit's
// factor in force; any other text keeps the factor before. Typing neither
// completes nor adds items: what the user types is exactly the list's text.
// Screen readers announce the list, and its text entry, by the name it is
// given, not by the unit it shows. A unit picked in the open list with Enter
// is in the entry before the list closes: the focus comes back to the list
// showing it, and a screen reader says it once, with the focus.
class ListaDeUnidades : public QComboBox {
    Q_OBJECT

public:
    ListaDeUnidades(QWidget* padre, std::span<const numerico::Unidad> unidades, double factor_al_abrir, QRect lugar,
                    const QFont& fuente);

    void nombrar(const QString& nombre);
    [[nodiscard]] double factor() const { return factor_; }
    void showPopup() override;

signals:
    // An item was chosen (the list's Click); the factor then in force.
    void elegida(double factor);
    // The text was edited (the list's Change), matched or not; the factor
    // then in force.
    void editada(double factor);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void aplicar_la_regla();

    std::span<const numerico::Unidad> unidades_;
    double factor_;
};

} // namespace calculadora
