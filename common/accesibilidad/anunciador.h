#pragma once

#include "voz.h"

#include <QObject>
#include <QString>

class QWidget;

namespace accesibilidad {

// Tells a screen reader a new result without moving the focus: the user at
// the slider or at "Calcular" hears it where they are. A result that comes
// while a key or a mouse button is held is told when it is let go, so a key
// held down (its repeats) or a dragged thumb ends with the last result only;
// each plain press is told on its release.
class Anunciador : public QObject {
    Q_OBJECT

public:
    explicit Anunciador(QWidget* ventana);

    void anunciar(const QString& texto);

signals:
    // A result as it is told.
    void dicho(const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void decir(const QString& texto);

    Voz voz_;
    QString pendiente_;
    bool tecla_abajo_ = false;
    // Followed from the events, not asked of the display on every result
    // (under X11, Qt asks the server when no button is down).
    bool boton_abajo_ = false;
};

} // namespace accesibilidad
