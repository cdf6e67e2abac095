#include "anunciador.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

namespace accesibilidad {

Anunciador::Anunciador(QWidget* ventana)
    : QObject(ventana)
    , voz_(ventana)
{
    qApp->installEventFilter(this);
}

void Anunciador::anunciar(const QString& texto)
{
    if (tecla_abajo_ || boton_abajo_)
        pendiente_ = texto;
    else
        decir(texto);
}

// Seen before the control the event is for: a release that makes a button
// click finds no key down any more, and its result is told at once.
bool Anunciador::eventFilter(QObject* objeto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
        tecla_abajo_ = true;
        break;
    case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(evento)->isAutoRepeat())
            tecla_abajo_ = false;
        break;
    case QEvent::ApplicationDeactivate: // a key or button let go in another program is never seen here
        tecla_abajo_ = false;
        boton_abajo_ = false;
        break;
    case QEvent::MouseButtonPress:
        boton_abajo_ = true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto* raton = static_cast<QMouseEvent*>(evento);
        boton_abajo_ = raton->buttons() != Qt::NoButton;
        break;
    }
    default:
        return QObject::eventFilter(objeto, evento);
    }
    if (!tecla_abajo_ && !boton_abajo_ && !pendiente_.isEmpty())
        decir(std::exchange(pendiente_, {}));
    return QObject::eventFilter(objeto, evento);
}

void Anunciador::decir(const QString& texto)
{
    voz_.decir(texto);
    emit dicho(texto);
}

} // namespace accesibilidad
