#include "voz.h"

#include "notificacion.h"

#include <QAccessible>
#include <QWidget>

namespace accesibilidad {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Voz::Voz(QWidget* ventana)
    : destino_(ventana)
{}

void Voz::decir(const QString& texto)
{
    QAccessibleAnnouncementEvent anuncio(destino_, texto);
    QAccessible::updateAccessibility(&anuncio);
}

std::optional<QString> lo_dicho(const QAccessibleEvent& evento)
{
    if (evento.type() != QAccessible::Announcement)
        return std::nullopt;
    return static_cast<const QAccessibleAnnouncementEvent&>(evento).message();
}

#elif defined(Q_OS_WIN)

Voz::Voz(QWidget* ventana)
    : destino_(ventana)
{}

// Qt 6.4's UI Automation bridge forwards no shown object, but raises a
// notification, which Narrator and NVDA read out, for a value that changes
// to a string.
void Voz::decir(const QString& texto)
{
    QAccessibleValueChangeEvent cambio(destino_, texto);
    QAccessible::updateAccessibility(&cambio);
}

std::optional<QString> lo_dicho(const QAccessibleEvent& evento)
{
    if (evento.type() != QAccessible::ValueChanged)
        return std::nullopt;
    const QVariant valor = static_cast<const QAccessibleValueChangeEvent&>(evento).value();
    if (valor.typeId() != QMetaType::QString || !evento.object() || !evento.object()->isWidgetType() ||
        !static_cast<const QWidget*>(evento.object())->isWindow())
        return std::nullopt;
    return valor.toString();
}

#else

Voz::Voz(QWidget* ventana)
    : destino_(new Notificacion(ventana))
{}

// A notification that shows is read out by screen readers that know no
// announcements. Shown once and left shown (a screen reader drops a show
// that a hide follows before it gets to it), it is told as shown again with
// each text, the same text too. Not hidden and shown again: Qt then asks
// the display where the pointer is, a round trip to an X server on every
// result.
void Voz::decir(const QString& texto)
{
    destino_->setAccessibleName(texto);
    if (!destino_->isVisible()) {
        destino_->show();
        return;
    }
    QAccessibleEvent mostrada(destino_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&mostrada);
}

std::optional<QString> lo_dicho(const QAccessibleEvent& evento)
{
    const auto* notificacion = qobject_cast<const Notificacion*>(evento.object());
    if (evento.type() != QAccessible::ObjectShow || !notificacion)
        return std::nullopt;
    return notificacion->accessibleName();
}

#endif

} // namespace accesibilidad
