#include "ventana_calculadora.h"

#include "estilo.h"

#include <QEvent>
#include <QIcon>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>

namespace ventana {

VentanaCalculadora::VentanaCalculadora(const QString& nombre, const QString& titulo, QSize cliente)
    : lienzo_(new QWidget(this))
{
    setObjectName(nombre);
    setWindowTitle(titulo);
    setWindowIcon(QIcon(QStringLiteral(":/imagenes/osciloscopio.svg")));
    setFont(fuente(8.25));
    fondo_blanco(this);
    lienzo_->setObjectName(QStringLiteral("lienzo"));
    lienzo_->setFixedSize(cliente);
    fondo_blanco(lienzo_); // also where a scroll area holds it
    setFixedSize(cliente);
}

bool VentanaCalculadora::event(QEvent* evento)
{
    const bool atendido = QWidget::event(evento);
    if (evento->type() == QEvent::Show) {
        encajar_en_pantalla();
        if (QWindow* ventana = windowHandle()) {
            ventana->installEventFilter(this);
            connect(ventana, &QWindow::screenChanged, this, &VentanaCalculadora::encajar_en_pantalla,
                    Qt::UniqueConnection);
        }
    }
    return atendido;
}

bool VentanaCalculadora::eventFilter(QObject* objeto, QEvent* evento)
{
    // The window manager frames the window only once it maps it: its frame
    // is known from the first exposure on, and may not fit where the
    // window was placed without it.
    if (evento->type() == QEvent::Expose && marco_de_ventana() != marco_usado_)
        encajar_en_pantalla();
    return QWidget::eventFilter(objeto, evento);
}

QMargins VentanaCalculadora::marco_de_ventana() const
{
    const QRect fuera = frameGeometry();
    const QRect dentro = geometry();
    return {dentro.left() - fuera.left(), dentro.top() - fuera.top(), fuera.right() - dentro.right(),
            fuera.bottom() - dentro.bottom()};
}

void VentanaCalculadora::encajar_en_pantalla()
{
    const QScreen* pantalla = screen();
    if (!pantalla)
        return;
    marco_usado_ = marco_de_ventana();
    const QRect area = pantalla->availableGeometry();
    const QSize cabe = area.size().shrunkBy(marco_usado_);
    const QSize diseno = lienzo_->size();

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

    // Centred on the available area, the frame inside it.
    QRect lugar(QPoint(), size().grownBy(marco_usado_));
    lugar.moveCenter(area.center());
    lugar.moveLeft(std::max(lugar.left(), area.left()));
    lugar.moveTop(std::max(lugar.top(), area.top()));
    move(lugar.topLeft());
}

} // namespace ventana
