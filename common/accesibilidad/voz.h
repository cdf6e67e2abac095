#pragma once

// How the window's own texts reach screen readers, which depends on the Qt
// the programs are built with and its bridge:
//   Qt 6.8, every system   an announcement
//   Qt 6.4, Windows        a value changed to the text (UI Automation's bridge
//                          raises it as a notification)
//   Qt 6.4, Linux          a hidden notification shown again (AT-SPI's bridge)
// Decided here (voz.cpp), with texto_del_valor.h the room's only places that
// know the Qt version.

#include <QString>

#include <optional>

class QAccessibleEvent;
class QWidget;

namespace accesibilidad {

// Tells screen readers a text from the window without moving the focus, in
// the way of the table above.
class Voz {
public:
    explicit Voz(QWidget* ventana);
    ~Voz() = default;
    Voz(const Voz&) = delete; // what it speaks through belongs to the window
    Voz& operator=(const Voz&) = delete;
    Voz(Voz&&) = delete;
    Voz& operator=(Voz&&) = delete;

    void decir(const QString& texto);

private:
    QWidget* destino_; // the window itself, or the Notificacion that tells it
};

// What a screen reader is told by an event that a Voz sent, or nothing for
// any other event.
[[nodiscard]] std::optional<QString> lo_dicho(const QAccessibleEvent& evento);

} // namespace accesibilidad
