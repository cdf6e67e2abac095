#include "marco_de_resultado.h"

#include "controles.h"
#include "estilo.h"

#include <QLabel>

namespace calculadora {

MarcoDeResultado::MarcoDeResultado(QWidget* padre, const Diseno& diseno)
    : QGroupBox(QStringLiteral("Resultado"), padre)
    , lbl_result_(crear_etiqueta(this, QStringLiteral("lbl_result"), {}, en_pixeles(diseno.nombre), fuente(12, true),
                                 colores::rojo))
    , txt_result_(new CajaDeLectura(this, QStringLiteral("txt_result"), en_pixeles(diseno.valor), 13.5))
    , lbl_escalaresul_(crear_etiqueta(this, QStringLiteral("lbl_escalaresul"), {}, en_pixeles(diseno.unidad),
                                      fuente(12, true), colores::rojo))
{
    disenar_marco(this, QStringLiteral("Frame3"), en_pixeles(diseno.marco), fuente(diseno.puntos_del_titulo, true),
                  colores::verde);
    fondo_blanco(lbl_result_);
    fondo_blanco(lbl_escalaresul_);
}

void MarcoDeResultado::rotular(const QString& nombre, const QString& unidad)
{
    txt_result_->clear();
    lbl_result_->setText(nombre);
    poner_unidad(unidad);
}

void MarcoDeResultado::mostrar(const QString& valor, const QString& unidad)
{
    poner_unidad(unidad);
    mostrar(valor);
}

void MarcoDeResultado::mostrar(const QString& valor) { txt_result_->setText(valor); }

QString MarcoDeResultado::valor_con_unidad() const
{
    return (txt_result_->text() + u' ' + lbl_escalaresul_->text()).trimmed();
}

QString MarcoDeResultado::frase() const { return nombre() + u' ' + valor_con_unidad(); }

QString MarcoDeResultado::nombre() const { return sin_dos_puntos(lbl_result_->text()); }

void MarcoDeResultado::poner_unidad(const QString& unidad)
{
    lbl_escalaresul_->setText(unidad);
    txt_result_->setAccessibleName(nombre() + QStringLiteral(" en ") + unidad);
}

} // namespace calculadora
