#pragma once

#include <QAccessible>

#include <functional>

namespace accesibilidad {

// A control's text for screen readers that review the window line by line
// (Orca's flat review), where the control has no text of its own: a slider
// or a unit list would otherwise be shown by its role and the share of its
// range ("slider 1 percent"), or by its name alone. The text reads only,
// and all of it stands where the control stands.
class TextoDeRevision : public QAccessibleTextInterface {
public:
    TextoDeRevision(std::function<QString()> texto, std::function<QRect()> lugar);

    void selection(int indice, int* inicio, int* fin) const override;
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*inicio*/, int /*fin*/) override {}
    void removeSelection(int /*indice*/) override {}
    void setSelection(int /*indice*/, int /*inicio*/, int /*fin*/) override {}
    [[nodiscard]] int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*posicion*/) override {}
    [[nodiscard]] QString text(int inicio, int fin) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int posicion) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& /*punto*/) const override { return 0; }
    void scrollToSubstring(int /*inicio*/, int /*fin*/) override {}
    [[nodiscard]] QString attributes(int posicion, int* inicio, int* fin) const override;

private:
    std::function<QString()> texto_;
    std::function<QRect()> lugar_;
};

} // namespace accesibilidad
