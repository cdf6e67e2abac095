#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace accesibilidad {

// A CajaDeLectura as screen readers meet it: read-only text of one line, its
// selection and cursor, which Qt's own line-edit interface also gives. What
// it adds is the extent of the text's attributes: Qt reports every run as
// empty, and screen readers that join runs then leave out the last
// character when they read the box.
class CajaAccesible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CajaAccesible(QWidget* caja);

    void* interface_cast(QAccessible::InterfaceType tipo) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text texto) const override;

    void selection(int indice, int* inicio, int* fin) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int inicio, int fin) override;
    void removeSelection(int indice) override;
    void setSelection(int indice, int inicio, int fin) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int posicion) override;
    [[nodiscard]] QString text(int inicio, int fin) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int posicion) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& punto) const override;
    void scrollToSubstring(int inicio, int fin) override;
    [[nodiscard]] QString attributes(int posicion, int* inicio, int* fin) const override;

private:
    [[nodiscard]] QLineEdit* caja() const;
};

} // namespace accesibilidad
