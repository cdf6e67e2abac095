#include "ventana_calculadora.h"

#include "accesibilidad/anunciador.h"
#include "boton_con_imagen.h"
#include "controles.h"
#include "estilo.h"
#include "icono_svg.h"
#include "plataforma/manejadores.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QSvgWidget>
#include <QWindow>

namespace calculadora {

VentanaCalculadora::VentanaCalculadora(const DisenoDeVentana& diseno)
    : lienzo_(new QWidget(this))
    , anunciador_(new accesibilidad::Anunciador(this))
{
    setObjectName(QString::fromLatin1(diseno.nombre));
    setWindowTitle(QString::fromUtf8(diseno.titulo));
    setWindowIcon(icono_svg(QStringLiteral(":/imagenes/osciloscopio.svg")));
    setFont(fuente(8.25));
    fondo_blanco(this);
    const QSize cliente(px(diseno.ancho), px(diseno.alto));
    lienzo_->setObjectName(QStringLiteral("lienzo"));
    lienzo_->setFixedSize(cliente);
    fondo_blanco(lienzo_); // also where a scroll area holds it
    setFixedSize(cliente);
    // No maximize button where the window manager draws the title bar from
    // what the window asks for.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    crear_imagen(lienzo_, QString::fromLatin1(diseno.logo), QStringLiteral(":/imagenes/logo.svg"),
                 QRect(en_pixeles(diseno.izquierda_del_logo, 120), QSize(329, 96)))
        ->setAccessibleName(QStringLiteral("Logotipo de Calculadoras RF"));
    crear_banner(diseno);
    btn_salir_ = new BotonConImagen(lienzo_, QStringLiteral("btn_salir"), QStringLiteral("Salir"),
                                    QStringLiteral(":/imagenes/puerta.svg"), en_pixeles(diseno.salir));
    btn_salir_->setAccessibleDescription(QStringLiteral("Cierra la calculadora"));
    plataforma::conectar(btn_salir_, &QToolButton::clicked, this, &VentanaCalculadora::btn_salir_Click);
    plataforma::conectar(qApp, &QApplication::focusChanged, this, &VentanaCalculadora::mostrar_el_foco);
}

// Qt tells of the focus leaving the window while destroying it, when only its
// QWidget part is left.
VentanaCalculadora::~VentanaCalculadora() { disconnect(qApp, &QApplication::focusChanged, this, nullptr); }

void VentanaCalculadora::anunciar(const QString& texto) { anunciador_->anunciar(texto); }

// The banner Frame4: the maker's name above and its description below, text
// and background in the platform's colours.
void VentanaCalculadora::crear_banner(const DisenoDeVentana& diseno)
{
    auto* banner = new QGroupBox(lienzo_);
    banner->setObjectName(QStringLiteral("Frame4"));
    banner->setAutoFillBackground(true);
    colores_de_la_plataforma(banner);
    banner->setGeometry(QRect(en_pixeles(diseno.izquierda_del_banner, 120), QSize(px(3375), px(1455))));
    crear_etiqueta(banner, QString::fromLatin1(diseno.etiqueta_superior), QStringLiteral("calculadoras-rf.org"),
                   en_pixeles(120, 240, 3135, 375), fuente(13.5))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    crear_etiqueta(banner, QString::fromLatin1(diseno.etiqueta_inferior),
                   QStringLiteral("Cálculo para electrónica de RF"), en_pixeles(120, 720, 3135, 495), fuente(8.25))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

bool VentanaCalculadora::event(QEvent* evento)
{
    const bool atendido = QWidget::event(evento);
    // Placed when the program shows it; a window restored from the task bar
    // (a spontaneous show) stays where the user left it.
    if (evento->type() == QEvent::Show && !evento->spontaneous()) {
        encajar_en_pantalla();
        if (QWindow* ventana = windowHandle()) {
            ventana->installEventFilter(this);
            // Dragged to another screen, the window takes the size that
            // screen allows and stays where the user drops it.
            connect(ventana, &QWindow::screenChanged, this, &VentanaCalculadora::ajustar_al_area, Qt::UniqueConnection);
        }
    }
    return atendido;
}

bool VentanaCalculadora::eventFilter(QObject* objeto, QEvent* evento)
{
    // The window manager frames the window only as it maps it, and says how
    // thick the frame is in its own time: the window placed without it may
    // not fit once framed.
    switch (evento->type()) {
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::FocusIn:
        if (marco_de_ventana() != marco_usado_)
            encajar_en_pantalla();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objeto, evento);
}

// A title bar Qt draws itself (on Wayland) may still offer maximize, and a
// desktop's key or a double-click on a title bar may ask for it: the window
// returns to its own size at once.
void VentanaCalculadora::changeEvent(QEvent* evento)
{
    QWidget::changeEvent(evento);
    constexpr Qt::WindowStates agrandada = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (evento->type() == QEvent::WindowStateChange && (windowState() & agrandada))
        setWindowState(windowState() & ~agrandada);
}

void VentanaCalculadora::btn_salir_Click() { plataforma::descargar(this); }

void VentanaCalculadora::mostrar_el_foco(QWidget* /*antes*/, QWidget* control)
{
    if (desplazamiento_ && control && lienzo_->isAncestorOf(control) && QGuiApplication::mouseButtons() == Qt::NoButton)
        desplazamiento_->ensureWidgetVisible(control);
}

// Asked of the window itself: the widget learns of a new frame only when
// the window next moves or resizes.
QMargins VentanaCalculadora::marco_de_ventana() const
{
    const QWindow* ventana = windowHandle();
    return ventana ? ventana->frameMargins() : QMargins();
}

// On Wayland a window sees the whole screen as available, wherever the
// desktop's panels stand, and where the compositor frames it (KWin, weston)
// it is not told how thick that frame is: room is kept for a panel and for
// a title bar, so that the framed window still fits a small screen's work
// area. The frame counted is the largest the window has had: Qt may draw its
// own until the compositor takes over, and the window, placed by then, must
// not grow past the area.
QMargins VentanaCalculadora::margen_en_wayland(QMargins marco)
{
    constexpr int panel = 56; // Plasma's, 44 px, floating 8 px above the edge
    marco_mayor_ =
        QMargins(std::max(marco_mayor_.left(), marco.left()), std::max(marco_mayor_.top(), marco.top()),
                 std::max(marco_mayor_.right(), marco.right()), std::max(marco_mayor_.bottom(), marco.bottom()));
    return marco_mayor_ + QMargins(0, panel, 0, 0);
}

void VentanaCalculadora::encajar_en_pantalla()
{
    if (!ajustar_al_area())
        return;
    // Centred on the available area, the frame inside it.
    const QRect area = screen()->availableGeometry();
    QRect lugar(QPoint(), size().grownBy(marco_usado_));
    lugar.moveCenter(area.center());
    lugar.moveLeft(std::max(lugar.left(), area.left()));
    lugar.moveTop(std::max(lugar.top(), area.top()));
    if (QWindow* ventana = windowHandle())
        ventana->setFramePosition(lugar.topLeft()); // by the window's own frame, as above
    else
        move(lugar.topLeft());
}

bool VentanaCalculadora::ajustar_al_area()
{
    const QScreen* pantalla = screen();
    if (!pantalla)
        return false;
    marco_usado_ = marco_de_ventana();
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    const QSize cabe =
        pantalla->availableGeometry().size().shrunkBy(wayland ? margen_en_wayland(marco_usado_) : marco_usado_);
    const QSize diseno = lienzo_->size();
    // Qt clears the focus of a widget it moves to another parent: the
    // control the user was at (or the design's first) keeps it.
    QWidget* enfocado = focusWidget();
    const auto devolver_el_foco = qScopeGuard([this, enfocado] {
        if (enfocado && focusWidget() != enfocado)
            enfocado->setFocus();
    });

    if (diseno.width() <= cabe.width() && diseno.height() <= cabe.height()) {
        if (desplazamiento_) {
            desplazamiento_->takeWidget();
            lienzo_->setParent(this);
            lienzo_->move(0, 0);
            lienzo_->show();
            delete desplazamiento_;
            desplazamiento_ = nullptr;
        }
        setFixedSize(diseno);
    } else {
        if (!desplazamiento_) {
            desplazamiento_ = new QScrollArea(this);
            desplazamiento_->setFocusPolicy(Qt::NoFocus); // the tab order stays the design's
            desplazamiento_->setFrameShape(QFrame::NoFrame);
            desplazamiento_->setWidget(lienzo_);
            desplazamiento_->show();
        }
        // A scroll bar takes room from the other direction, which may then need one too.
        const int barra = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, desplazamiento_);
        bool vertical = diseno.height() > cabe.height();
        const bool horizontal = diseno.width() + (vertical ? barra : 0) > cabe.width();
        vertical = vertical || diseno.height() + barra > cabe.height();
        const QSize tamano(std::min(diseno.width() + (vertical ? barra : 0), cabe.width()),
                           std::min(diseno.height() + (horizontal ? barra : 0), cabe.height()));
        setFixedSize(tamano);
        desplazamiento_->setGeometry(rect());
    }
    return true;
}

} // namespace calculadora
