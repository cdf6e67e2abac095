#pragma once

// What screen readers can be given depends on the Qt the programs are built
// with: Qt 6.8 sends announcements and carries a slider's value text, Qt 6.4
// does neither. This is the one place that knows which (segun_qt.cpp); the
// rest of the code and the tests ask here.

#include <QAccessible>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace accesibilidad {

// Whether a slider can give its value as a text besides the number.
extern const bool con_texto_de_valor;

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

// The value text of an accessible slider, where Qt can carry it (an
// attribute screen readers read instead of writing the number themselves).
class TextoDelValor {
public:
    explicit TextoDelValor(const std::function<QString()>& texto);
    ~TextoDelValor();
    TextoDelValor(const TextoDelValor&) = delete;
    TextoDelValor& operator=(const TextoDelValor&) = delete;
    TextoDelValor(TextoDelValor&&) = delete;
    TextoDelValor& operator=(TextoDelValor&&) = delete;

    // The interface of that type it gives, or null: for the slider's
    // QAccessibleInterface::interface_cast.
    [[nodiscard]] void* interfaz(QAccessible::InterfaceType tipo);

private:
    class Atributos;
    std::unique_ptr<Atributos> atributos_;
};

// Qt before 6.8 asks the accessibility bus once, as it starts, whether a
// screen reader listens, and never again: a screen reader turned on later
// (GNOME's setting, Orca started by hand) would find the program mute for
// the rest of its run. With such a Qt the program keeps Qt's bridge to the
// bus open whenever the bus is there, as later Qt opens it when a screen
// reader comes. Called before the application is created; a choice the user
// made in the environment stands.
void abrir_el_puente_al_lector_que_llegue();

// The value text's attributes as screen readers receive them: the text under
// "valuetext", or nothing where Qt carries no attributes.
[[nodiscard]] QString texto_del_valor_de(QAccessibleInterface* interfaz);

} // namespace accesibilidad
