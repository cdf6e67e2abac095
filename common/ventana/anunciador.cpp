#include "anunciador.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace ventana {

Aviso::Aviso(QWidget* ventana)
    : QWidget(ventana)
{
    setObjectName(QStringLiteral("aviso"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Without a size it is on no screen: a screen reader that reviews the
    // window does not meet it.
    setGeometry(0, 0, 0, 0);
    hide();
}

Anunciador::Anunciador(QWidget* ventana)
    : QObject(ventana)
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    , destino_(ventana)
#else
    , destino_(new Aviso(ventana))
#endif
{
    qApp->installEventFilter(this);
}

void Anunciador::anunciar(const QString& texto)
{
    if (tecla_abajo_ || QGuiApplication::mouseButtons() != Qt::NoButton)
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
        if (dynamic_cast<QKeyEvent*>(evento)->isAutoRepeat())
            break;
        [[fallthrough]];
    case QEvent::ApplicationDeactivate: // a key let go in another program is never seen here
        tecla_abajo_ = false;
        [[fallthrough]];
    case QEvent::MouseButtonRelease:
        if (!pendiente_.isEmpty())
            decir(std::exchange(pendiente_, {}));
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

void Anunciador::decir(const QString& texto)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent anuncio(destino_, texto);
    QAccessible::updateAccessibility(&anuncio);
#else
    // A notification that shows is read out by screen readers that know no
    // announcements; hidden and shown again, the same text is read again.
    // It stays shown until the next: a screen reader drops a show that a
    // hide follows before it gets to it.
    destino_->hide();
    destino_->setAccessibleName(texto);
    destino_->show();
#endif
    emit dicho(texto);
}

} // namespace ventana
