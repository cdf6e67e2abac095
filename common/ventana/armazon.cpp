#include "armazon.h"

#include "caja_de_lectura.h"
#include "controles.h"
#include "estilo.h"
#include "medidas.h"
#include "plataforma/servicios.h"

#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QSvgWidget>
#include <QToolButton>

namespace ventana {

QSvgWidget* crear_logo(QWidget* padre, const QString& nombre, int izquierda)
{
    QSvgWidget* logo = crear_imagen(padre, nombre, QStringLiteral(":/imagenes/logo.svg"),
                                    QRect(en_pixeles(izquierda, 120), QSize(329, 96)));
    logo->setAccessibleName(QStringLiteral("Logotipo de Calculadoras RF"));
    return logo;
}

QGroupBox* crear_banner(QWidget* padre, QPoint lugar, const QString& nombre_superior, const QString& nombre_inferior)
{
    auto* banner = new QGroupBox(padre);
    banner->setObjectName(QStringLiteral("Frame4"));
    banner->setAutoFillBackground(true);
    colores_de_la_plataforma(banner);
    banner->setGeometry(QRect(lugar, QSize(px(3375), px(1455))));

    QLabel* superior = crear_etiqueta(banner, nombre_superior, QStringLiteral("calculadoras-rf.org"),
                                      en_pixeles(120, 240, 3135, 375), fuente(13.5));
    QLabel* inferior = crear_etiqueta(banner, nombre_inferior, QStringLiteral("Cálculo para electrónica de RF"),
                                      en_pixeles(120, 720, 3135, 495), fuente(8.25));
    superior->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    inferior->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return banner;
}

namespace {

// A tool button that Enter and Return press as well as Space.
class BotonConImagen : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void keyPressEvent(QKeyEvent* evento) override
    {
        if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
            animateClick();
        else
            QToolButton::keyPressEvent(evento);
    }
};

} // namespace

QToolButton* crear_boton_con_imagen(QWidget* padre, const QString& nombre, const QString& texto,
                                    const QString& recurso, QRect lugar)
{
    auto* boton = new BotonConImagen(padre);
    boton->setObjectName(nombre);
    boton->setText(texto);
    boton->setIcon(QIcon(recurso));
    boton->setIconSize(QSize(32, 32));
    boton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    boton->setFont(fuente(8.25, true));
    boton->setFocusPolicy(Qt::StrongFocus);
    boton->setGeometry(lugar);
    return boton;
}

QToolButton* crear_boton_salir(QWidget* padre, QRect lugar)
{
    QToolButton* boton = crear_boton_con_imagen(padre, QStringLiteral("btn_salir"), QStringLiteral("Salir"),
                                                QStringLiteral(":/imagenes/puerta.svg"), lugar);
    boton->setAccessibleDescription(QStringLiteral("Cierra la calculadora"));
    QObject::connect(boton, &QToolButton::clicked, boton, [boton] { plataforma::descargar(boton->window()); });
    return boton;
}

void ordenar_tabulacion(const QList<QWidget*>& orden)
{
    for (qsizetype i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);
}

CajaDeLectura* crear_caja_bloqueada(QWidget* padre, const QString& nombre, QRect lugar, double puntos)
{
    auto* caja = new CajaDeLectura(padre, puntos);
    caja->setObjectName(nombre);
    caja->setGeometry(lugar);
    return caja;
}

MarcoResultado crear_marco_resultado(QWidget* padre, const DisenoResultado& diseno)
{
    MarcoResultado r{};
    r.marco = crear_marco(padre, QStringLiteral("Frame3"), QStringLiteral("Resultado"), diseno.marco,
                          fuente(diseno.puntos_titulo, true), colores::verde);
    r.lbl_result = crear_etiqueta(r.marco, QStringLiteral("lbl_result"), {}, diseno.nombre, fuente(12, true),
                                  colores::rojo);
    r.txt_result = crear_caja_bloqueada(r.marco, QStringLiteral("txt_result"), diseno.valor, 13.5);
    r.lbl_escalaresul = crear_etiqueta(r.marco, QStringLiteral("lbl_escalaresul"), {}, diseno.unidad,
                                       fuente(12, true), colores::rojo);
    fondo_blanco(r.lbl_result);
    fondo_blanco(r.lbl_escalaresul);
    return r;
}

void poner_unidad(const MarcoResultado& resultado, const QString& unidad)
{
    resultado.lbl_escalaresul->setText(unidad);
    QString nombre = resultado.lbl_result->text();
    if (nombre.endsWith(u':'))
        nombre.chop(1);
    resultado.txt_result->setAccessibleName(nombre + QStringLiteral(" en ") + unidad);
}

} // namespace ventana
