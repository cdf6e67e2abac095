#include "soporte/lector_de_pantalla.h"
#include "soporte/prueba_gui.h"
#include "ventana_filtros.h"

#include "ventana/decoracion.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>

using prueba::en_locale;

namespace {

class VentanaFiltrosTest : public prueba::ConVentana<VentanaFiltros> {
protected:
    // What the window shows: "value unit", in the user's locale.
    [[nodiscard]] QString resultado() const
    {
        return texto("txt_result") + u' ' + control<QLabel>("lbl_escalaresul")->text();
    }
};

// In the gain "1+" ends before the bar of Rf / Ra and ")" starts after it.
TEST_F(VentanaFiltrosTest, DisenoCompleto)
{
    prueba::comprobar_diseno_completo(ventana);
    const auto* formula = control<QLabel>("Label6");
    const QLine barra = *control<calculadora::Decoracion>("Line1")->linea_en_el_contenedor();
    EXPECT_LE(prueba::extension_del_texto(formula, QStringLiteral("1+")).second, barra.x1());
    EXPECT_GE(prueba::extension_del_texto(formula, QStringLiteral(")")).first, barra.x2());
}

// Tab reaches the result without selecting it (a screen reader would read
// the selection again); Ctrl+A and Ctrl+C still copy it whole, and a screen
// reader sees and makes the selection as the keys do.
TEST_F(VentanaFiltrosTest, ResultadoSinSeleccionarSeCopia)
{
    auto* caja = control<QLineEdit>("txt_result");
    QAccessibleTextInterface* texto = QAccessible::queryAccessibleInterface(caja)->textInterface();
    control("cmb_esc_c")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), caja);
    EXPECT_EQ(texto->selectionCount(), 0);
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), en_locale("15.915"));
    int inicio = -1, fin = -1;
    texto->selection(0, &inicio, &fin);
    EXPECT_EQ(std::pair(texto->selectionCount(), fin - inicio), std::pair(1, 6));
    texto->removeSelection(0);
    EXPECT_EQ(texto->selectionCount(), 0);
    texto->addSelection(1, 3);
    EXPECT_EQ(caja->selectedText(), en_locale("5."));
    EXPECT_EQ(texto->text(1, 3), en_locale("5."));
}

// A filter type shows its schematic and formula and recomputes.
TEST_F(VentanaFiltrosTest, OpcionesCambianMarcosYRecalculan)
{
    for (const auto& [opcion, valor] :
         {std::pair{2, "100 KHz"}, std::pair{1, "15.915 KHz"}, std::pair{0, "15.915 KHz"}}) {
        pulsar(qPrintable(QStringLiteral("opt_filtros(%1)").arg(opcion)));
        EXPECT_EQ(resultado(), en_locale(valor)) << opcion;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(control(qPrintable(QStringLiteral("fra_filtros(%1)").arg(i)))->isVisible(), i == opcion);
        EXPECT_EQ(control("fra_banda")->isVisible(), opcion == 2);
        EXPECT_EQ(control("fra_baal")->isVisible(), opcion != 2);
    }
}

// Only a whole unit text changes the unit; the C box keeps its number.
TEST_F(VentanaFiltrosTest, UnidadEscritaOElegida)
{
    auto* unidades = control<QComboBox>("cmb_esc_c");
    for (const auto& [escrito, valor] : {std::pair{"n", "15.915 KHz"}, std::pair{"nF", "15.915 MHz"},
                                         std::pair{"nf", "15.915 MHz"}, std::pair{" pF", "15.915 MHz"}}) {
        escribir("cmb_esc_c", escrito);
        EXPECT_EQ(resultado(), en_locale(valor)) << escrito;
    }
    QTest::keyClick(unidades, Qt::Key_Down); // from the list's first unit to its third
    QTest::keyClick(unidades, Qt::Key_Down);
    EXPECT_EQ(resultado(), en_locale("15915.498 MHz"));
    EXPECT_EQ(texto("txt_c"), en_locale("0.01"));
    // Picked in the open list with Enter: in the entry while the list is
    // still open (the focus comes back to it shown), and computed once.
    unidades->showPopup();
    unidades->view()->setCurrentIndex(unidades->model()->index(0, 0));
    bool abierta_al_cambiar = false;
    QObject::connect(unidades->lineEdit(), &QLineEdit::textChanged, unidades,
                     [&] { abierta_al_cambiar = unidades->view()->isVisible(); });
    QSignalSpy elegidas(unidades, &QComboBox::activated);
    QTest::keyClick(unidades->view(), Qt::Key_Return);
    EXPECT_TRUE(abierta_al_cambiar);
    EXPECT_FALSE(unidades->view()->isVisible());
    EXPECT_EQ(elegidas.size(), 1);
    EXPECT_EQ(resultado(), en_locale("15.915 KHz"));
}

TEST_F(VentanaFiltrosTest, DeslizadoresConTeclasYArrastre)
{
    comprobar_movimientos({{"Sld_r", Qt::Key_PageUp, "txt_r", en_locale("1.1"), "14.469 KHz"},
                           {"Sld_c", Qt::Key_End, "txt_c", en_locale("100"), "1.447 Hz"},
                           {"Sld_r", prueba::Arrastre{1000}, "txt_r", en_locale("100"), "0.016 Hz"},
                           {"Sld_c", prueba::Arrastre{100}, "txt_c", en_locale("1"), "1.592 Hz"}},
                          [this] { return resultado(); });
}

// What a screen reader is told of each control: at start (the design's
// texts in the user's locale, so that the first calculation reads C as
// 0.01), after a step of R and after a new unit of C; and what the window
// tells it wherever the focus is: each new result, and a new unit with what
// C now stands for.
TEST_F(VentanaFiltrosTest, LoQueOyeUnLectorDePantalla)
{
    using enum QAccessible::Role;
    using enum prueba::Estado;
    const auto c_en = [](const char* unidad) { return QString::fromUtf8("Capacidad C en ") + unidad; };
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"frm_filtros", {"Filtros Activos", Window, "", "", 0}},
        {"Sld_r", {"Resistencia R en kiloohmios", Slider, "1", en_locale("1"), enfocable}},
        {"Sld_c", {c_en("microfaradios"), Slider, "0.01", en_locale("0.01"), enfocable}},
        {"txt_r", {"Valor de R en kiloohmios", EditableText, en_locale("1"), "", solo_lectura | enfocable}},
        {"txt_c", {"Valor de C en la unidad elegida", EditableText, en_locale("0.01"), "", solo_lectura | enfocable}},
        {"cmb_esc_c", {"Unidad de la capacidad", ComboBox, "uF", "uF", editable | desplegable | enfocable}},
        {"opt_filtros(0)", {"Filtro Pasa Bajos", RadioButton, "", "", enfocable}},
        {"txt_result", {"Frecuencia de corte en KHz", EditableText, en_locale("15.915"), "", solo_lectura | enfocable}},
        {"btn_salir", {"Salir", Button, "", "", enfocable}},
        {"bajo", {"Esquema del filtro pasa bajos", Graphic, "", "", 0}},
        {"Line4", {"", Whitespace, "", "", 0}},
        // A formula is one phrase; the labels it is drawn with are skipped.
        {"formula_Label2", {"Fc igual a uno entre dos pi R C", StaticText, "", "", 0}},
        {"Label1", {" 2 π R C", StaticText, "", "", oculto}},
        {"formula_Label6", {"Vo igual a Vi por, abre paréntesis, uno más Rf entre Ra, cierra paréntesis", StaticText, "", "", 0}},
    });
    // clang-format on
    prueba::lo_dicho();
    QTest::keyClick(control("Sld_r"), Qt::Key_Up);
    pulsar("opt_filtros(2)");
    escribir("cmb_esc_c", "nF");
    EXPECT_EQ(prueba::lo_dicho(),
              (QStringList{en_locale("14.469 KHz"), en_locale("90.909 KHz"), en_locale("C 0.01 nF, 90.909 MHz")}));
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"Sld_r", {"Resistencia R en kiloohmios", Slider, "1.1", en_locale("1.1"), enfocable}},
        {"Sld_c", {c_en("nanofaradios"), Slider, "0.01", en_locale("0.01"), enfocable}},
        {"cmb_esc_c", {"Unidad de la capacidad", ComboBox, "nF", "nF", editable | desplegable | enfocable}},
        {"txt_result", {"Frecuencia de corte en MHz", EditableText, en_locale("90.909"), "", solo_lectura | enfocable}},
    });
    // clang-format on
}

// Under a dark scheme (qt6ct's, or Windows' high contrast): every text
// readable, every white frame white.
TEST(VentanaFiltros, TemaOscuroYMarcosBlancos) { prueba::comprobar_en_cada_tema_y_estilo<VentanaFiltros>(); }

} // namespace
