#pragma once

#include "numerico/unidades.h"

#include <QComboBox>

#include <span>

namespace calculadora {

// An editable list of the units of a unit table, in the table's order and
// the window's writing of them, at its place and in its font, showing at
// start the unit it is given. Its text is a unit only when it is exactly one
// of the list's (letter case and blanks count); the window keeps the factor
// in force and asks the list which unit, if any, its text is. Typing neither
// completes nor adds items: what the user types is exactly the list's text.
// Screen readers announce the list, and its text entry, by the name it is
// given, not by the unit it shows. A unit picked in the open list with Enter
// is in the entry before the list closes: the focus comes back to the list
// showing it, and a screen reader says it once, with the focus.
class ListaDeUnidades : public QComboBox {
    Q_OBJECT

public:
    ListaDeUnidades(QWidget* padre, std::span<const numerico::Unidad> unidades, numerico::Grafia grafia,
                    const numerico::Unidad& al_abrir, QRect lugar, const QFont& fuente);

    void nombrar(const QString& nombre);
    // The unit the list's text is, or none.
    [[nodiscard]] const numerico::Unidad* unidad() const;
    void showPopup() override;

signals:
    // An item was chosen (the list's Click).
    void elegida();
    // The text was edited (the list's Change).
    void editada();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    std::span<const numerico::Unidad> unidades_;
    numerico::Grafia grafia_;
};

} // namespace calculadora
