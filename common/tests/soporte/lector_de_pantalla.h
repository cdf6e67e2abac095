#pragma once

// What screen readers are told of a window's controls, read through the
// calls Qt's AT-SPI bridge makes: the accessible interface of each control,
// its role, name, value and states.

#include <QAccessible>
#include <QString>

#include <QStringList>

#include <initializer_list>
#include <ostream>
#include <vector>

class QWidget;

namespace prueba {

// The states a screen reader says or acts on.
enum Estado : unsigned {
    solo_lectura = 1u << 0,
    editable = 1u << 1,
    desplegable = 1u << 2, // a list that opens
    enfocable = 1u << 3,
    oculto = 1u << 4, // skipped, as the labels a formula is drawn with
};

struct Oido {
    QString nombre;
    QAccessible::Role papel = QAccessible::NoRole;
    // A slider's number through the value interface; a text's characters
    // as a screen reader reads them, run of attributes after run; otherwise
    // the value text.
    QString valor;
    // A slider's value as its read-out writes it, where Qt carries the text
    // (empty where it cannot).
    QString texto_del_valor;
    unsigned estados = 0;

    friend bool operator==(const Oido&, const Oido&) = default;
};

void PrintTo(const Oido& oido, std::ostream* os);

Oido lo_que_oye_un_lector(QWidget* control);

// One row of a contract: the control's objectName and what a screen reader
// must be told of it. A value text given here is expected only where Qt
// carries one.
struct Contrato {
    const char* control;
    Oido oido;
};

// Fails for every control of the window whose interface tells other than
// its row, whose children a screen reader cannot walk to and back, or whose
// characters it cannot find on the screen.
void comprobar_lo_que_oye_un_lector(QWidget& ventana, std::initializer_list<Contrato> contrato);

// Turns Qt's accessibility on, as when a screen reader listens, and stands
// where Qt's bridge to the screen readers stands: every event that passes
// the calculators' own filter reaches it. Called once, before the
// application's set-up installs that filter over it.
void escuchar_como_el_puente();

// One event as the bridge received it.
struct Llegado {
    QAccessible::Event tipo;
    QString control;   // the objectName of the widget it is about
    QString seleccion; // of a selection event: the text then selected
};

// What reached the bridge since the last call.
std::vector<Llegado> lo_que_llego();

// What the windows told screen readers since the last call, in order.
QStringList lo_dicho();

} // namespace prueba
