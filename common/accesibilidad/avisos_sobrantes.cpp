#include "avisos_sobrantes.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

namespace accesibilidad {
namespace {

// Qt's handler of accessibility events is a plain function: what it needs
// lives here.
struct Estado {
    QAccessible::UpdateHandler anterior = nullptr;
    const QObject* ultimo_enfocado = nullptr; // what the last focus event was for
};

Estado& estado()
{
    static Estado unico;
    return unico;
}

// A text set again to what it was (a unit list sets its entry's text again
// when its choice is confirmed): screen readers would say it again.
bool es_el_mismo_texto(QAccessibleEvent* evento)
{
    // The event's type tells its class.
    const auto* cambio =
        static_cast<QAccessibleTextUpdateEvent*>(evento); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
    return cambio->textRemoved() == cambio->textInserted();
}

// The box itself, or the unit list the box is the entry of.
bool es_de_la_caja(const QObject* objeto, const QLineEdit* caja)
{
    return objeto && (objeto == caja || objeto == caja->parentWidget());
}

// A box's selection that Qt makes or ends on its own as the focus moves:
// the whole text selected as the focus comes in by Tab, before the focus
// itself is told (the screen reader reads the box with the focus); the
// selection ended as the focus leaves, when the focus is already elsewhere.
bool es_seleccion_del_foco(const QLineEdit* caja)
{
    if (!caja->hasSelectedText())
        return !es_de_la_caja(QApplication::focusWidget(), caja);
    return caja->selectedText() == caja->text() && !es_de_la_caja(estado().ultimo_enfocado, caja);
}

} // namespace

bool es_aviso_sobrante(QAccessibleEvent* evento)
{
    switch (evento->type()) {
    case QAccessible::Focus:
        estado().ultimo_enfocado = evento->object();
        return false;
    case QAccessible::TextUpdated:
        return es_el_mismo_texto(evento);
    case QAccessible::TextSelectionChanged: {
        const auto* caja = qobject_cast<const QLineEdit*>(evento->object());
        return caja && es_seleccion_del_foco(caja);
    }
    default:
        return false;
    }
}

namespace {

void filtrar(QAccessibleEvent* evento)
{
    if (es_aviso_sobrante(evento))
        return;
    // Handed on as Qt hands an event when no filter is installed: to the
    // platform's bridge to the screen readers (or a filter installed before).
    QAccessible::installUpdateHandler(estado().anterior);
    QAccessible::updateAccessibility(evento);
    QAccessible::installUpdateHandler(filtrar);
}

} // namespace

void callar_avisos_sobrantes() { estado().anterior = QAccessible::installUpdateHandler(filtrar); }

} // namespace accesibilidad
