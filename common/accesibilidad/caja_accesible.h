#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace accesibilidad {

// A box of one line of text as screen readers meet it: a read-out
// (CajaDeLectura, read-only), an entry the user types in, or a unit list's
// text; its text, selection, cursor and editing, which Qt's own line-edit
// interface also gives. What it adds is the extent of the text's
// attributes: Qt (QAccessibleLineEdit, 6.4 to 6.8 at least) reports every
// run as empty, and screen readers that join runs then leave out the last
// character when they read the box ("ab" for a refused "abc", nothing for
// "0"). Needed until Qt gives a run over the whole text.
class CajaAccesible : public QAccessibleWidget,
                      public QAccessibleTextInterface,
                      public QAccessibleEditableTextInterface {
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

    void deleteText(int inicio, int fin) override;
    void insertText(int posicion, const QString& texto) override;
    void replaceText(int inicio, int fin, const QString& texto) override;
    void setText(QAccessible::Text texto, const QString& valor) override;

private:
    [[nodiscard]] QLineEdit* caja() const;
};

} // namespace accesibilidad
