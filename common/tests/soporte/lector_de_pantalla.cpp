#include "lector_de_pantalla.h"

#include "accesibilidad/formula.h"
#include "accesibilidad/segun_qt.h"

#include <QAccessibleValueInterface>
#include <QLabel>
#include <QWidget>

#include <gtest/gtest.h>

namespace prueba {

void PrintTo(const Oido& oido, std::ostream* os)
{
    *os << "{\"" << oido.nombre.toStdString() << "\", role 0x" << std::hex << oido.papel << std::dec << ", \""
        << oido.valor.toStdString() << "\", \"" << oido.texto_del_valor.toStdString() << "\", "
        << (oido.solo_lectura ? "solo lectura" : "editable") << ", " << (oido.enfocable ? "enfocable" : "sin foco")
        << "}";
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
              .enfocable = interfaz->state().focusable != 0};
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

void comprobar_formulas(const QWidget& ventana, std::initializer_list<const char*> frases)
{
    const QList<accesibilidad::Formula*> formulas = ventana.findChildren<accesibilidad::Formula*>();
    for (const char* frase : frases) {
        const auto formula = std::find_if(formulas.begin(), formulas.end(), [frase](accesibilidad::Formula* f) {
            return lo_que_oye_un_lector(f).nombre == QString::fromUtf8(frase);
        });
        if (formula == formulas.end()) {
            ADD_FAILURE() << "no se oye la fórmula " << frase;
            continue;
        }
        const Oido oido = lo_que_oye_un_lector(*formula);
        EXPECT_EQ(oido.papel, QAccessible::StaticText) << frase;
        EXPECT_FALSE(oido.enfocable) << frase;
        // Its labels lie under it, and screen readers skip them.
        for (QLabel* pieza : (*formula)->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if ((*formula)->geometry().contains(pieza->geometry())) {
                EXPECT_TRUE(QAccessible::queryAccessibleInterface(pieza)->state().invisible)
                    << frase << ": " << pieza->text().toStdString();
            }
        }
    }
    EXPECT_EQ(formulas.size(), static_cast<qsizetype>(frases.size()));
}

} // namespace prueba
