#pragma once

#include <QMargins>
#include <QWidget>

class QScrollArea;

namespace ventana {

// A calculator's only window: a white design of fixed size, with the
// oscilloscope icon, opened centred on the screen. The controls are placed
// on lienzo(). Where the design and the window's frame do not fit the
// screen's available area, the design sits in a scroll area as large as
// that area allows, and the window opens inside the screen; where it fits,
// the window is the design and nothing else.
class VentanaCalculadora : public QWidget {
    Q_OBJECT

public:
    VentanaCalculadora(const QString& nombre, const QString& titulo, QSize cliente);

protected:
    // The surface the window's controls stand on, in the design's pixels.
    [[nodiscard]] QWidget* lienzo() const { return lienzo_; }

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void encajar_en_pantalla();
    [[nodiscard]] QMargins marco_de_ventana() const;

    QWidget* lienzo_;
    QScrollArea* desplazamiento_ = nullptr;
    QMargins marco_usado_; // the frame the last placement counted with
};

} // namespace ventana
