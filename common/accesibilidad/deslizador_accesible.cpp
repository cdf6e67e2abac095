#include "deslizador_accesible.h"

#include "numerico/escritura.h"
#include "servicios/texto.h"
#include "ventana/deslizador.h"

namespace accesibilidad {

DeslizadorAccesible::DeslizadorAccesible(QWidget* deslizador)
    : QAccessibleWidget(deslizador, QAccessible::Slider)
    , texto_del_valor_([this] { return text(QAccessible::Value); })
    , revision_([this] { return text(QAccessible::Name) + u' ' + text(QAccessible::Value); }, [this] { return rect(); })
{}

calculadora::Deslizador* DeslizadorAccesible::deslizador() const
{
    return qobject_cast<calculadora::Deslizador*>(widget());
}

void* DeslizadorAccesible::interface_cast(QAccessible::InterfaceType tipo)
{
    if (tipo == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    if (tipo == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(&revision_);
    if (void* propia = texto_del_valor_.interfaz(tipo))
        return propia;
    return QAccessibleWidget::interface_cast(tipo);
}

// The number as the read-out writes it, in the user's locale.
QString DeslizadorAccesible::text(QAccessible::Text texto) const
{
    if (texto == QAccessible::Value)
        return servicios::a_qstring(
            numerico::numero_a_texto(currentValue().toDouble(), servicios::separadores_del_sistema()));
    return QAccessibleWidget::text(texto);
}

QVariant DeslizadorAccesible::currentValue() const { return deslizador()->en_unidades(deslizador()->value()); }

void DeslizadorAccesible::setCurrentValue(const QVariant& valor)
{
    deslizador()->setValue(deslizador()->posicion_de(valor.toDouble()));
}

QVariant DeslizadorAccesible::maximumValue() const { return deslizador()->en_unidades(deslizador()->maximum()); }

QVariant DeslizadorAccesible::minimumValue() const { return deslizador()->en_unidades(deslizador()->minimum()); }

QVariant DeslizadorAccesible::minimumStepSize() const { return deslizador()->en_unidades(deslizador()->singleStep()); }

} // namespace accesibilidad
