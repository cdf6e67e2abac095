#include "encaje.h"
#include "escritorio.h"

#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace escritorio {

namespace {

// What a scroll bar's value becomes to bring [inicio, fin) into a view
// `largo` long that starts at `desde`, as QScrollArea brings a widget in.
int para_ver(int inicio, int fin, int desde, int largo)
{
    if (fin - inicio > largo)
        return ((inicio + fin) / 2) - (largo / 2);
    if (fin > desde + largo)
        return fin - largo;
    return std::min(inicio, desde);
}

QMargins mayor(QMargins a, QMargins b)
{
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
            std::max(a.bottom(), b.bottom())};
}

} // namespace

void encajar(QWidget* ventana, QWidget* diseno) { new Encaje(ventana, diseno); }

Encaje::Encaje(QWidget* ventana, QWidget* diseno)
    : QObject(ventana)
    , ventana_(ventana)
    , diseno_(diseno)
{
    ventana->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &Encaje::mostrar);
}

bool Encaje::eventFilter(QObject* objeto, QEvent* evento)
{
    QWindow* nativa = ventana_->windowHandle();
    switch (evento->type()) {
    // Placed when the program shows it; a window restored from the task bar
    // (a spontaneous show) stays where the user left it.
    case QEvent::Show:
        if (objeto == ventana_ && !evento->spontaneous()) {
            colocar();
            if (nativa) {
                nativa->installEventFilter(this);
                // Dragged to another screen, the window takes the size that
                // screen allows and stays where the user drops it.
                connect(nativa, &QWindow::screenChanged, this, &Encaje::seguir, Qt::UniqueConnection);
                seguir(nativa->screen());
            }
        }
        break;
    // The window manager frames the window only as it maps it, and says how
    // thick the frame is in its own time: placed without it, the window may
    // not fit once framed.
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::FocusIn:
        if (objeto == nativa && borde() != borde_usado_)
            colocar();
        break;
    // A title bar Qt draws itself (Wayland without the compositor's frames)
    // still offers maximize, and a desktop's key or a double-click on a title
    // bar may ask for it: the window returns to its own size at once.
    case QEvent::WindowStateChange:
        if (objeto == ventana_ && (ventana_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            ventana_->setWindowState(ventana_->windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
        break;
    // What the controls leave of the mouse wheel scrolls the design.
    case QEvent::Wheel:
        if (objeto == ventana_ && (vertical_ || horizontal_)) {
            const QPoint giro = static_cast<QWheelEvent*>(evento)->angleDelta();
            QScrollBar* barra =
                (std::abs(giro.x()) > std::abs(giro.y()) && horizontal_) || !vertical_ ? horizontal_ : vertical_;
            QCoreApplication::sendEvent(barra, evento);
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(objeto, evento);
}

void Encaje::seguir(QScreen* pantalla)
{
    disconnect(area_);
    if (pantalla)
        area_ = connect(pantalla, &QScreen::availableGeometryChanged, this, &Encaje::reajustar);
    ajustar();
}

// Asked of the window itself: the widget learns of a new frame only when the
// window next moves or resizes.
QMargins Encaje::borde() const
{
    const QWindow* nativa = ventana_->windowHandle();
    return nativa ? nativa->frameMargins() : QMargins();
}

// On Wayland a window sees the whole screen as available, wherever the
// desktop's panels stand, and where the compositor frames it (KWin, weston) it
// is not told how thick that frame is: room is kept for a panel and for a
// title bar, so that the framed window still fits a small screen's work area.
// The frame counted is the largest the window has had: Qt may draw its own
// until the compositor takes over, and the window, placed by then, must not
// grow past the area.
QMargins Encaje::reserva()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return borde_usado_;
    constexpr int panel = 56; // Plasma's, 44 px, floating 8 px above the edge
    borde_mayor_ = mayor(borde_mayor_, borde_usado_);
    return borde_mayor_ + QMargins(0, panel, 0, 0);
}

void Encaje::colocar()
{
    if (!ajustar())
        return;
    const QRect area = ventana_->screen()->availableGeometry();
    QRect lugar(QPoint(), ventana_->size().grownBy(borde_usado_));
    lugar.moveCenter(area.center());
    lugar.moveLeft(std::max(lugar.left(), area.left()));
    lugar.moveTop(std::max(lugar.top(), area.top()));
    if (QWindow* nativa = ventana_->windowHandle())
        nativa->setFramePosition(lugar.topLeft()); // by the window's own frame, as above
    else
        ventana_->move(lugar.topLeft());
}

void Encaje::reajustar()
{
    QWindow* nativa = ventana_->windowHandle();
    if (!ajustar() || !nativa)
        return;
    const QRect area = ventana_->screen()->availableGeometry();
    QRect lugar(nativa->framePosition(), ventana_->size().grownBy(borde_usado_));
    lugar.moveRight(std::min(lugar.right(), area.right()));
    lugar.moveBottom(std::min(lugar.bottom(), area.bottom()));
    lugar.moveLeft(std::max(lugar.left(), area.left()));
    lugar.moveTop(std::max(lugar.top(), area.top()));
    if (lugar.topLeft() != nativa->framePosition())
        nativa->setFramePosition(lugar.topLeft());
}

bool Encaje::ajustar()
{
    const QScreen* pantalla = ventana_->screen();
    if (!pantalla)
        return false;
    borde_usado_ = borde();
    const QSize cabe = pantalla->availableGeometry().size().shrunkBy(reserva());
    const QSize diseno = diseno_->size();
    bool vertical = false;
    bool horizontal = false;
    if (diseno.width() > cabe.width() || diseno.height() > cabe.height()) {
        // A scroll bar takes room from the other direction, which may then need one too.
        const int barra = ventana_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        vertical = diseno.height() > cabe.height();
        horizontal = diseno.width() + (vertical ? barra : 0) > cabe.width();
        vertical = vertical || diseno.height() + barra > cabe.height();
        const QSize tamano(std::min(diseno.width() + (vertical ? barra : 0), cabe.width()),
                           std::min(diseno.height() + (horizontal ? barra : 0), cabe.height()));
        ventana_->setFixedSize(tamano);
    } else {
        ventana_->setFixedSize(diseno);
    }
    poner_barras(vertical, horizontal, ventana_->size());
    return true;
}

void Encaje::poner_barras(bool vertical, bool horizontal, QSize tamano)
{
    const auto hacer = [this](QScrollBar*& barra, bool hace_falta, Qt::Orientation orientacion) {
        if (!hace_falta) {
            delete barra;
            barra = nullptr;
            return;
        }
        if (barra)
            return;
        barra = new QScrollBar(orientacion, ventana_);
        barra->setFocusPolicy(Qt::NoFocus); // the tab order stays the design's
        barra->setSingleStep(20);
        connect(barra, &QScrollBar::valueChanged, this, &Encaje::desplazar);
        barra->show();
    };
    hacer(vertical_, vertical, Qt::Vertical);
    hacer(horizontal_, horizontal, Qt::Horizontal);
    const QSize visto = vista();
    if (vertical_) {
        vertical_->setGeometry(visto.width(), 0, tamano.width() - visto.width(), visto.height());
        vertical_->setRange(0, diseno_->height() - visto.height());
        vertical_->setPageStep(visto.height());
    }
    if (horizontal_) {
        horizontal_->setGeometry(0, visto.height(), visto.width(), tamano.height() - visto.height());
        horizontal_->setRange(0, diseno_->width() - visto.width());
        horizontal_->setPageStep(visto.width());
    }
    desplazar();
}

// The part of the window the design shows through.
QSize Encaje::vista() const
{
    const int barra = ventana_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return ventana_->size().shrunkBy(QMargins(0, 0, vertical_ ? barra : 0, horizontal_ ? barra : 0));
}

void Encaje::desplazar()
{
    diseno_->move(horizontal_ ? -horizontal_->value() : 0, vertical_ ? -vertical_->value() : 0);
}

void Encaje::mostrar(QWidget* /*antes*/, QWidget* control)
{
    if ((!vertical_ && !horizontal_) || !control || !diseno_->isAncestorOf(control) ||
        QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    const QRect visto(-diseno_->pos(), vista());
    QRect lugar(control->mapTo(diseno_, QPoint()), control->size());
    if (visto.contains(lugar))
        return;
    constexpr int margen = 50; // QScrollArea's
    lugar.adjust(-margen, -margen, margen, margen);
    if (horizontal_)
        horizontal_->setValue(para_ver(lugar.left(), lugar.left() + lugar.width(), visto.left(), visto.width()));
    if (vertical_)
        vertical_->setValue(para_ver(lugar.top(), lugar.top() + lugar.height(), visto.top(), visto.height()));
}

} // namespace escritorio
