#pragma once

#include <QMargins>
#include <QMetaObject>
#include <QObject>
#include <QSize>

class QScreen;
class QScrollBar;
class QWidget;

namespace escritorio {

// One window fitted to its desktop (escritorio.h): the window is the design
// itself wherever the design and the window's frame fit the work area;
// otherwise it is as large as the area allows and the design scrolls inside
// it, under scroll bars made only then, the control with the focus kept in
// view. The design never changes parent, so the window at its design size
// holds exactly what the design holds.
class Encaje : public QObject {
    Q_OBJECT

public:
    Encaje(QWidget* ventana, QWidget* diseno);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Fitted, then centred in the work area, the frame inside it.
    void colocar();
    // Fitted to the room the screen leaves; false without a screen.
    bool ajustar();
    // Fitted again after the room changed under the window (its screen's
    // scale or work area), and kept inside the area.
    void reajustar();
    void seguir(QScreen* pantalla);
    [[nodiscard]] QMargins borde() const;
    [[nodiscard]] QMargins reserva();
    void poner_barras(bool vertical, bool horizontal, QSize tamano);
    [[nodiscard]] QSize vista() const;
    void desplazar();
    // Brings a control that takes the focus from the keyboard, or as the
    // window opens, into view; a click lands where the user already looks.
    void mostrar(QWidget* antes, QWidget* control);

    QWidget* ventana_;
    QWidget* diseno_;
    QScrollBar* vertical_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QMargins borde_usado_;              // the frame the last fit counted with
    QMargins borde_mayor_{0, 40, 0, 0}; // on Wayland: a title bar, or the largest frame Qt told
    QMetaObject::Connection area_;      // the work area of the window's screen
};

} // namespace escritorio
