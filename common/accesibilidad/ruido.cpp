#include "ruido.h"

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

bool es_el_mismo_texto(const QAccessibleEvent* evento)
{
    const auto* cambio = static_cast<const QAccessibleTextUpdateEvent*>(evento);
    return cambio->textRemoved() == cambio->textInserted();
}

// The box itself, or the unit list the box is the entry of.
bool es_de_la_caja(const QObject* objeto, const QLineEdit* caja)
{
    return objeto && (objeto == caja || objeto == caja->parentWidget());
}

// The whole text selected before the focus is told, or the selection ended
// once the focus is elsewhere.
bool es_seleccion_del_foco(const QLineEdit* caja)
{
    if (!caja->hasSelectedText())
        return !es_de_la_caja(QApplication::focusWidget(), caja);
    return caja->selectedText() == caja->text() && !es_de_la_caja(estado().ultimo_enfocado, caja);
}

// Asked of every event, in order: it follows the focus through them.
bool es_ruido(const QAccessibleEvent* evento)
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

// Qt offers one public hook between the events it makes and its bridge to
// the screen readers, the update handler, and no way to call its bridge
// from one: an event that is no noise is handed on by reinstalling the
// handler that was there before (none: Qt's bridge) around it.
void filtrar(QAccessibleEvent* evento)
{
    if (es_ruido(evento))
        return;
    QAccessible::installUpdateHandler(estado().anterior);
    QAccessible::updateAccessibility(evento);
    QAccessible::installUpdateHandler(filtrar);
}

} // namespace

void filtrar_el_ruido() { estado().anterior = QAccessible::installUpdateHandler(filtrar); }

} // namespace accesibilidad
