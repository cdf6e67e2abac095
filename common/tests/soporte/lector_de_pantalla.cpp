#include "lector_de_pantalla.h"

#include "accesibilidad/segun_qt.h"

#include <QAccessibleValueInterface>
#include <QWidget>

#include <gtest/gtest.h>

namespace prueba {

void PrintTo(const Oido& oido, std::ostream* os)
{
    *os << "{\"" << oido.nombre.toStdString() << "\", role 0x" << std::hex << oido.papel << std::dec << ", \""
        << oido.valor.toStdString() << "\", \"" << oido.texto_del_valor.toStdString() << "\", solo lectura "
        << oido.solo_lectura << ", enfocable " << oido.enfocable << ", oculto " << oido.oculto << "}";
}

Oido lo_que_oye_un_lector(QWidget* control)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
    if (!interfaz)
        return {};
    Oido oido{.nombre = interfaz->text(QAccessible::Name),
              .papel = interfaz->role(),
              .valor = interfaz->text(QAccessible::Value),
              .texto_del_valor = accesibilidad::texto_del_valor_de(interfaz),
              .solo_lectura = interfaz->state().readOnly != 0,
              .enfocable = interfaz->state().focusable != 0,
              .oculto = interfaz->state().invisible != 0};
    if (QAccessibleValueInterface* valor = interfaz->valueInterface())
        oido.valor = QString::number(valor->currentValue().toDouble());
    return oido;
}

void comprobar_lo_que_oye_un_lector(const QWidget& ventana, std::initializer_list<Contrato> contrato)
{
    for (const Contrato& fila : contrato) {
        auto* control = ventana.objectName() == QLatin1String(fila.control)
                            ? const_cast<QWidget*>(&ventana)
                            : ventana.findChild<QWidget*>(QString::fromUtf8(fila.control));
        if (!control) {
            ADD_FAILURE() << "no hay control " << fila.control;
            continue;
        }
        Oido esperado = fila.oido;
        if (!accesibilidad::con_texto_de_valor)
            esperado.texto_del_valor.clear();
        EXPECT_EQ(lo_que_oye_un_lector(control), esperado) << fila.control;
    }
}

} // namespace prueba
