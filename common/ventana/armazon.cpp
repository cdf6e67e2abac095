#include "armazon.h"

#include "controles.h"
#include "estilo.h"
#include "medidas.h"
#include "plataforma/servicios.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSvgWidget>
#include <QToolButton>

namespace ventana {

void preparar_ventana(QWidget* ventana, const QString& nombre, const QString& titulo, QSize cliente)
{
    ventana->setObjectName(nombre);
    ventana->setWindowTitle(titulo);
    ventana->setWindowIcon(QIcon(QStringLiteral(":/imagenes/osciloscopio.svg")));
    ventana->setFont(fuente(8.25));
    fondo_blanco(ventana);
    ventana->setFixedSize(cliente);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen()) {
        QRect lugar({}, cliente);
        lugar.moveCenter(pantalla->availableGeometry().center());
        ventana->move(lugar.topLeft());
    }
}

QSvgWidget* crear_logo(QWidget* ventana, const QString& nombre, int izquierda)
{
    QSvgWidget* logo = crear_imagen(ventana, nombre, QStringLiteral(":/imagenes/logo.svg"),
                                    QRect(en_pixeles(izquierda, 120), QSize(329, 96)));
    logo->setAccessibleName(QStringLiteral("Logotipo de Calculadoras RF"));
    return logo;
}

QGroupBox* crear_banner(QWidget* ventana, QPoint lugar, const QString& nombre_superior,
                        const QString& nombre_inferior)
{
    auto* banner = new QGroupBox(ventana);
    banner->setObjectName(QStringLiteral("Frame4"));
    banner->setAutoFillBackground(true);
    banner->setPalette(QGuiApplication::palette());
    banner->setGeometry(QRect(lugar, QSize(px(3375), px(1455))));

    const QColor texto = QGuiApplication::palette().color(QPalette::WindowText);
    QLabel* superior = crear_etiqueta(banner, nombre_superior, QStringLiteral("calculadoras-rf.org"),
                                      en_pixeles(120, 240, 3135, 375), fuente(13.5), texto);
    QLabel* inferior = crear_etiqueta(banner, nombre_inferior, QStringLiteral("Cálculo para electrónica de RF"),
                                      en_pixeles(120, 720, 3135, 495), fuente(8.25), texto);
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

QToolButton* crear_boton_con_imagen(QWidget* ventana, const QString& nombre, const QString& texto,
                                    const QString& recurso, QRect lugar)
{
    auto* boton = new BotonConImagen(ventana);
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

QToolButton* crear_boton_salir(QWidget* ventana, QRect lugar)
{
    QToolButton* boton = crear_boton_con_imagen(ventana, QStringLiteral("btn_salir"), QStringLiteral("Salir"),
                                                QStringLiteral(":/imagenes/puerta.svg"), lugar);
    boton->setAccessibleDescription(QStringLiteral("Cierra la calculadora"));
    QObject::connect(boton, &QToolButton::clicked, ventana, [ventana] { plataforma::descargar(ventana); });
    return boton;
}

void ordenar_tabulacion(const QList<QWidget*>& orden)
{
    for (qsizetype i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);
}

QLineEdit* crear_caja_bloqueada(QWidget* padre, const QString& nombre, QRect lugar, double puntos)
{
    auto* caja = new QLineEdit(padre);
    caja->setObjectName(nombre);
    caja->setReadOnly(true);
    caja->setFont(fuente(puntos, true));
    color_de_texto(caja, colores::rojo);
    caja->setGeometry(lugar);
    return caja;
}

MarcoResultado crear_marco_resultado(QWidget* ventana, const DisenoResultado& diseno)
{
    MarcoResultado r{};
    r.marco = crear_marco(ventana, QStringLiteral("Frame3"), QStringLiteral("Resultado"), diseno.marco,
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
