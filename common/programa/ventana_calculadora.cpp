#include "ventana_calculadora.h"

#include "accesibilidad/anunciador.h"
#include "escritorio/escritorio.h"
#include "servicios/manejadores.h"
#include "ventana/boton_con_imagen.h"
#include "ventana/controles.h"
#include "ventana/dibujo.h"
#include "ventana/estilo.h"
#include "ventana/icono.h"

#include <QGroupBox>
#include <QLabel>

namespace calculadora {

VentanaCalculadora::VentanaCalculadora(const DisenoDeVentana& diseno)
    : lienzo_(new QWidget(this))
    , anunciador_(new accesibilidad::Anunciador(this))
{
    setObjectName(QString::fromLatin1(diseno.nombre));
    setWindowTitle(QString::fromUtf8(diseno.titulo));
    setWindowIcon(icono(QStringLiteral(":/imagenes/osciloscopio.svg")));
    setFont(fuente(8.25));
    fondo_blanco(this);
    const QSize cliente(px(diseno.ancho), px(diseno.alto));
    lienzo_->setObjectName(QStringLiteral("lienzo"));
    lienzo_->setFixedSize(cliente);
    fondo_blanco(lienzo_); // also where it scrolls inside a smaller window
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
    servicios::conectar(btn_salir_, &QToolButton::clicked, this, &VentanaCalculadora::btn_salir_Click);
    escritorio::encajar(this, lienzo_);
}

void VentanaCalculadora::anunciar(const QString& texto) { anunciador_->anunciar(texto); }

// The banner Frame4: the maker's name above and its description below, text
// and background in the theme's colours.
void VentanaCalculadora::crear_banner(const DisenoDeVentana& diseno)
{
    auto* banner = new QGroupBox(lienzo_);
    banner->setObjectName(QStringLiteral("Frame4"));
    banner->setAutoFillBackground(true);
    colores_del_tema(banner);
    banner->setGeometry(QRect(en_pixeles(diseno.izquierda_del_banner, 120), QSize(px(3375), px(1455))));
    crear_etiqueta(banner, QString::fromLatin1(diseno.etiqueta_superior), QStringLiteral("calculadoras-rf.org"),
                   en_pixeles(120, 240, 3135, 375), fuente(13.5))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    crear_etiqueta(banner, QString::fromLatin1(diseno.etiqueta_inferior),
                   QStringLiteral("Cálculo para electrónica de RF"), en_pixeles(120, 720, 3135, 495), fuente(8.25))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void VentanaCalculadora::btn_salir_Click() { servicios::descargar(this); }

} // namespace calculadora
