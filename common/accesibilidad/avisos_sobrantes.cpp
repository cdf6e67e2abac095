#include "avisos_sobrantes.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>

#include <utility>

namespace accesibilidad {
namespace {

QAccessible::UpdateHandler anterior = nullptr;
// The box whose text changed in the event just before, if any.
const QObject* texto_recien_cambiado = nullptr;

bool es_cambio_de_texto(QAccessible::Event tipo)
{
    return tipo == QAccessible::TextInserted || tipo == QAccessible::TextRemoved || tipo == QAccessible::TextUpdated;
}

bool sobra(QAccessibleEvent* evento)
{
    const QObject* objeto = evento->object();
    const bool texto_antes = std::exchange(texto_recien_cambiado, nullptr) == objeto;
    if (es_cambio_de_texto(evento->type())) {
        texto_recien_cambiado = objeto;
        return false;
    }
    if (evento->type() != QAccessible::TextSelectionChanged)
        return false;
    const auto* caja = qobject_cast<const QLineEdit*>(objeto);
    if (!caja || caja->hasSelectedText())
        return false;
    return texto_antes || QApplication::focusWidget() != caja;
}

void filtrar(QAccessibleEvent* evento)
{
    if (sobra(evento))
        return;
    // Handed on as Qt hands an event when no filter is installed: to the
    // platform's bridge to the screen readers (or a filter installed before).
    QAccessible::installUpdateHandler(anterior);
    QAccessible::updateAccessibility(evento);
    QAccessible::installUpdateHandler(filtrar);
}

} // namespace

void callar_avisos_sobrantes() { anterior = QAccessible::installUpdateHandler(filtrar); }

} // namespace accesibilidad
