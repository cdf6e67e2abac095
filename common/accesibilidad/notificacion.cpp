#include "notificacion.h"

namespace accesibilidad {

Notificacion::Notificacion(QWidget* ventana)
    : QWidget(ventana)
{
    setObjectName(QStringLiteral("notificacion"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Without a size it is on no screen: a screen reader that reviews the
    // window does not meet it.
    setGeometry(0, 0, 0, 0);
    hide();
}

} // namespace accesibilidad
