#pragma once

// How the window's own texts reach screen readers, which depends on the Qt
// the programs are built with: Qt 6.8 sends announcements, Qt 6.4 has none.
// Decided here (voz.cpp), with texto_del_valor.h the room's only places that
// know the Qt version.

#include <QString>

#include <optional>

class QAccessibleEvent;
class QWidget;

namespace accesibilidad {

// Tells screen readers a text from the window without moving the focus: as
// an announcement where Qt sends them, otherwise as a hidden notification
// that shows again (Notificacion).
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
