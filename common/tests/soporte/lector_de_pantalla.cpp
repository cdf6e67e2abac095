#include "lector_de_pantalla.h"

#include "accesibilidad/texto_del_valor.h"
#include "accesibilidad/voz.h"

#include <QAccessibleValueInterface>
#include <QLineEdit>
#include <QWidget>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <utility>

namespace prueba {
namespace {

// The text as Orca reads it: the attribute run at each offset, one after
// another, to the last character.
QString leido_por_tramos(QAccessibleTextInterface* texto)
{
    QString leido;
    for (int desde = 0, inicio = 0, fin = 0; desde < texto->characterCount(); desde = fin) {
        texto->attributes(desde, &inicio, &fin);
        if (fin <= desde)
            break; // a run that does not advance: the rest is never read
        leido += texto->text(inicio, fin);
    }
    return leido;
}

std::vector<Llegado>& llegados()
{
    static std::vector<Llegado> todos;
    return todos;
}
QStringList& dichos()
{
    static QStringList todos;
    return todos;
}

void recibir(QAccessibleEvent* evento)
{
    const auto* caja = qobject_cast<const QLineEdit*>(evento->object());
    llegados().push_back(
        {evento->type(), evento->object() ? evento->object()->objectName() : QString(),
         evento->type() == QAccessible::TextSelectionChanged && caja ? caja->selectedText() : QString()});
    if (const auto dicho = accesibilidad::lo_dicho(*evento))
        dichos().append(*dicho);
}

unsigned estados_de(const QAccessible::State& estado)
{
    return (estado.readOnly ? solo_lectura : 0u) | (estado.editable ? editable : 0u) |
           (estado.expandable ? desplegable : 0u) | (estado.focusable ? enfocable : 0u) |
           (estado.invisible ? oculto : 0u);
}

} // namespace

void PrintTo(const Oido& oido, std::ostream* os)
{
    *os << "{\"" << oido.nombre.toStdString() << "\", role 0x" << std::hex << oido.papel << ", \""
        << oido.valor.toStdString() << "\", \"" << oido.texto_del_valor.toStdString() << "\", estados 0x"
        << oido.estados << std::dec << "}";
}

Oido lo_que_oye_un_lector(QWidget* control)
{
    QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control); // every widget has one
    Oido oido{.nombre = interfaz->text(QAccessible::Name),
              .papel = interfaz->role(),
              .valor = interfaz->text(QAccessible::Value),
              .texto_del_valor = accesibilidad::texto_del_valor_de(interfaz),
              .estados = estados_de(interfaz->state())};
    if (QAccessibleValueInterface* valor = interfaz->valueInterface())
        oido.valor = QString::number(valor->currentValue().toDouble());
    // A box is read by runs; a box read with a character short would tell a
    // wrong figure.
    else if (QAccessibleTextInterface* texto = interfaz->textInterface())
        oido.valor = leido_por_tramos(texto);
    return oido;
}

void comprobar_lo_que_oye_un_lector(QWidget& ventana, std::initializer_list<Contrato> contrato)
{
    for (const Contrato& fila : contrato) {
        QWidget* control = ventana.objectName() == QLatin1String(fila.control)
                               ? &ventana
                               : ventana.findChild<QWidget*>(QString::fromUtf8(fila.control));
        ASSERT_NE(control, nullptr) << "no hay control " << fila.control;
        Oido esperado = fila.oido;
        if (!accesibilidad::con_texto_de_valor)
            esperado.texto_del_valor.clear();
        EXPECT_EQ(lo_que_oye_un_lector(control), esperado) << fila.control;
        // Each child reached by its index answers that index; one on screen
        // is also found where it stands, as the mouse finds it.
        QAccessibleInterface* interfaz = QAccessible::queryAccessibleInterface(control);
        for (int i = 0; i < interfaz->childCount(); ++i) {
            QAccessibleInterface* hijo = interfaz->child(i);
            ASSERT_NE(hijo, nullptr) << fila.control << " hijo " << i;
            EXPECT_EQ(interfaz->indexOfChild(hijo), i) << fila.control;
            if (hijo->state().invisible)
                continue; // on no screen: no point leads to it
            const QPoint centro = hijo->rect().center();
            EXPECT_EQ(interfaz->childAt(centro.x(), centro.y()), hijo) << fila.control;
        }
        // Each character stands inside the control, where a screen reader's
        // review looks for it.
        QAccessibleTextInterface* texto = interfaz->textInterface();
        for (int i = 0; texto && i < texto->characterCount(); ++i)
            EXPECT_TRUE(interfaz->rect().contains(texto->characterRect(i))) << fila.control << " carácter " << i;
        // What that review shows of a slider: its name and its value as the
        // read-out writes it, never left out.
        if (interfaz->valueInterface()) {
            ASSERT_NE(texto, nullptr) << fila.control;
            EXPECT_EQ(leido_por_tramos(texto),
                      interfaz->text(QAccessible::Name) + u' ' + interfaz->text(QAccessible::Value))
                << fila.control;
        }
    }
}

void escuchar_como_el_puente()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler(recibir);
}

std::vector<Llegado> lo_que_llego() { return std::exchange(llegados(), {}); }

QStringList lo_dicho() { return std::exchange(dichos(), {}); }

} // namespace prueba
