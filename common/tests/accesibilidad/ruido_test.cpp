#include "soporte/lector_de_pantalla.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Of what reached the screen reader, the selections and the texts told: "the
// box's name: the text then selected", "the box's name: text".
QStringList selecciones_y_textos()
{
    QStringList dicho;
    for (const prueba::Llegado& llegado : prueba::lo_que_llego()) {
        if (llegado.tipo == QAccessible::TextSelectionChanged)
            dicho << llegado.control + QStringLiteral(": ") + llegado.seleccion;
        else if (llegado.tipo == QAccessible::TextUpdated)
            dicho << llegado.control + QStringLiteral(": texto");
    }
    return dicho;
}

// Qt's own selection as Tab brings the focus in and as it leaves, and a text
// set again to itself, never reach a screen reader; the user's own
// selection and a text that changes do. Each step does what the user does,
// and Qt's events for it pass the filter the programs install.
TEST(Ruido, SoloLlegaLoQueEsNoticia)
{
    QWidget ventana;
    auto* entrada = new QLineEdit(QStringLiteral("uF"), &ventana);
    entrada->setObjectName(QStringLiteral("entrada"));
    auto* lista = new QComboBox(&ventana);
    lista->setEditable(true);
    lista->addItems({QStringLiteral("uF"), QStringLiteral("nF")});
    lista->lineEdit()->setObjectName(QStringLiteral("lista"));
    lista->move(0, 40);
    auto* boton = new QPushButton(&ventana);
    boton->move(0, 80);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    boton->setFocus();
    const auto elegir_en_la_lista_abierta = [lista](int fila) {
        lista->showPopup();
        QAbstractItemView* vista = lista->view();
        QTest::mouseClick(vista->viewport(), Qt::LeftButton, {},
                          vista->visualRect(vista->model()->index(fila, 0)).center());
    };
    const struct {
        const char* paso;
        std::function<void()> hacer;
        QStringList llega;
    } pasos[] = {
        {"Tab into the entry: all selected by Qt", [&] { entrada->setFocus(Qt::TabFocusReason); }, {}},
        {"the user selects", [&] { entrada->setSelection(0, 1); }, {"entrada: u"}},
        {"the user selects all", [&] { entrada->selectAll(); }, {"entrada: uF"}},
        {"Tab out: unselected by Qt", [&] { boton->setFocus(Qt::TabFocusReason); }, {}},
        {"the list's unit chosen again", [&] { elegir_en_la_lista_abierta(0); }, {}},
        {"another unit", [&] { elegir_en_la_lista_abierta(1); }, {"lista: texto"}},
    };
    prueba::lo_que_llego();
    for (const auto& paso : pasos) {
        paso.hacer();
        QApplication::processEvents();
        EXPECT_EQ(selecciones_y_textos(), paso.llega) << paso.paso;
    }
}

} // namespace
