#include "soporte/lector_de_pantalla.h"
#include "soporte/prueba_gui.h"
#include "ventana_velorna.h"

#include "ventana/decoracion.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <variant>

using prueba::en_locale;

namespace {

class VentanaVelornaTest : public prueba::ConVentana<VentanaVelorna> {
protected:
    // What the result frame shows: "name value unit".
    [[nodiscard]] QString resultado() const
    {
        return control<QLabel>("lbl_result")->text() + u' ' + texto("txt_result") + u' ' +
               control<QLabel>("lbl_escalaresul")->text();
    }
    void elegir_parametro(int i) { pulsar(qPrintable(QStringLiteral("opt_parametro(%1)").arg(i))); }
    // "Calcular" clicked, or Enter pressed in an entry.
    std::vector<prueba::Aviso> calcular(const char* entrada = nullptr)
    {
        return prueba::avisos_durante(
            [&] { entrada ? QTest::keyClick(control(entrada), Qt::Key_Return) : pulsar("btb_resulta"); });
    }
};

// "CL" stands under the radical's bar (to the word spacing's own precision).
TEST_F(VentanaVelornaTest, DisenoCompleto)
{
    prueba::comprobar_diseno_completo(ventana);
    const QLine barra = *control<calculadora::Decoracion>("Line3")->linea_en_el_contenedor();
    const auto [izquierda, derecha] = prueba::extension_del_texto(control<QLabel>("Label1"), QStringLiteral("CL"));
    EXPECT_GE(izquierda, barra.x1() - 0.1);
    EXPECT_LE(derecha, barra.x2() + 0.1);
}

// One calculation of each kind, its units picked with the keys or typed;
// choosing the quantity empties the result and shows the rows it needs, and
// a typed text that is no whole unit of its list keeps the unit in use.
TEST_F(VentanaVelornaTest, ResultadosConUnidadesElegidasOEscritas)
{
    // A unit typed into its list, or picked with an arrow key; "" leaves it.
    using Unidad = std::variant<const char*, Qt::Key>;
    struct Caso {
        const char* nombre;
        int parametro;
        const char* entradas[3]; // frequency, capacitance, inductance
        Unidad unidades[3];
        const char *vacio, *resultado;
    };
    // clang-format off
    const Caso casos[] = {
        {"f_unidad_a_medias", 0, {"", "1000", "1000"}, {"n", "", Qt::Key_Up}, "Frecuencia:  Hz", "Frecuencia: 5.033 Hz"},
        {"c_unidades_escritas", 1, {"100", "", "100"}, {"KHz", "", "nH"}, "Capacitancia:  µF", "Capacitancia: 25.330295912032 µF"},
        {"l_unidad_con_flecha", 2, {"1000", "1", ""}, {Qt::Key_Up, "pF", ""}, "Inductancia:  µH", "Inductancia: 25330.295912 µH"},
        {"l_unidades_no_enteras", 2, {"1000", "1", ""}, {"khz", "uF", ""}, "Inductancia:  µH", "Inductancia: 25330.295912 µH"},
    };
    // clang-format on
    for (const Caso& c : casos) {
        elegir_parametro(c.parametro);
        EXPECT_EQ(resultado(), QString::fromUtf8(c.vacio)) << c.nombre;
        for (int i = 0; i < 3; ++i) {
            const char* fila[] = {"txt_frec", "txt_capa", "txt_indu"};
            const char* lista[] = {"cmb_frec", "cmb_capa", "cmb_indu"};
            EXPECT_EQ(control(fila[i])->isVisible(), i != c.parametro) << c.nombre << " " << fila[i];
            if (const auto* tecla = std::get_if<Qt::Key>(&c.unidades[i]))
                QTest::keyClick(control(lista[i]), *tecla);
            else if (const char* escrita = std::get<const char*>(c.unidades[i]); *escrita != '\0')
                escribir(lista[i], escrita);
            escribir(fila[i], c.entradas[i]);
        }
        EXPECT_TRUE(calcular().empty()) << c.nombre;
        EXPECT_EQ(resultado(), en_locale(c.resultado)) << c.nombre;
    }
}

// A refusal or a failure shows one message and changes nothing, the focus
// included; Enter in an entry computes, and an entry takes six characters.
// Escape closes nothing; Enter on "Salir" exits.
TEST_F(VentanaVelornaTest, AvisosEnterYSalir)
{
    escribir("txt_indu", "1");
    for (const auto& [capa, aviso] : {std::pair{"0,5", "Revise el valor"},
                                      {"12abc", "Debe escribir un numero"},
                                      {"-1", "No se pudo completar el cálculo."}}) {
        escribir("txt_capa", capa);
        const auto avisos = calcular("txt_capa");
        ASSERT_EQ(avisos.size(), 1U) << capa;
        EXPECT_TRUE(avisos[0].texto.startsWith(QString::fromUtf8(aviso))) << capa;
        EXPECT_EQ(avisos[0].titulo, QStringLiteral("Atencion")) << capa;
        EXPECT_EQ(resultado(), QStringLiteral("Frecuencia:  Hz"));
        EXPECT_EQ(ventana.focusWidget(), control("txt_capa"));
    }
    escribir("txt_capa", "1000000");
    EXPECT_TRUE(calcular("txt_indu").empty());
    EXPECT_EQ(resultado(), en_locale("Frecuencia: 503.292 Hz")) << "100000 µF: the seventh digit is refused";
    QTest::keyClick(control("txt_capa"), Qt::Key_Escape);
    EXPECT_TRUE(ventana.isVisible());
    QTest::keyClick(control("btn_salir"), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ventana.isVisible(); }, 1000));
}

// A result too wide for its box at the design's size is shown whole in a
// font just small enough; the next one that fits is at the design's size.
TEST_F(VentanaVelornaTest, ResultadoLargoSeVeEntero)
{
    auto* caja = control<QLineEdit>("txt_result");
    const double puntos_de_diseno = caja->font().pointSizeF();
    elegir_parametro(2);
    for (const auto& [entrada, texto] :
         {std::pair{"cmb_capa", "pF"}, {"cmb_frec", "Hz"}, {"txt_capa", "1"}, {"txt_frec", "1"}})
        escribir(entrada, texto);
    calcular();
    ASSERT_EQ(caja->text(), en_locale("2.53302959120324E+16"));
    EXPECT_TRUE(prueba::muestra_todo_el_texto(caja));
    QFont mayor = caja->font();
    mayor.setPointSizeF(mayor.pointSizeF() + 0.25);
    caja->setFont(mayor);
    EXPECT_FALSE(prueba::muestra_todo_el_texto(caja)) << "the font shrank more than it had to";
    escribir("txt_frec", "1000");
    calcular();
    EXPECT_EQ(caja->font().pointSizeF(), puntos_de_diseno);
}

// What a screen reader is told of each control: at start, and once the
// capacitance is chosen: the frequency's row shown, the result renamed.
TEST_F(VentanaVelornaTest, LoQueOyeUnLectorDePantalla)
{
    using enum QAccessible::Role;
    using enum prueba::Estado;
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"frm_c_tanque", {"Velorna, generador de Onda Portadora", Window, "", "", 0}},
        {"txt_capa", {"Capacitancia", EditableText, "", "", editable | enfocable}},
        {"cmb_capa", {"Unidad de la capacitancia", ComboBox, "µF", "µF", editable | desplegable | enfocable}},
        {"cmb_indu", {"Unidad de la inductancia", ComboBox, "µH", "µH", editable | desplegable | enfocable}},
        {"opt_parametro(1)", {"Capacitancia", RadioButton, "", "", enfocable}},
        {"btb_resulta", {"Calcular", Button, "", "", enfocable}},
        {"txt_result", {"Frecuencia en Hz", EditableText, "", "", solo_lectura | enfocable}},
        {"Image1", {"Esquema de un oscilador de onda portadora con circuito tanque LC", Graphic, "", "", 0}},
        {"Line1", {"", Whitespace, "", "", 0}},
        {"formula_Label2", {"F igual a uno entre el producto de dos pi por la raíz cuadrada de C por L", StaticText, "", "", 0}},
        {"Label1", {"2 π    CL", StaticText, "", "", oculto}},
    });
    // clang-format on
    // A text read whole, to its last character, as after a refusal.
    escribir("txt_capa", "abc");
    EXPECT_EQ(prueba::lo_que_oye_un_lector(control("txt_capa")).valor, "abc");
    // Told wherever the focus is: the result after "Calcular" and after Enter,
    // and what the entries ask for once another quantity is chosen.
    escribir("txt_capa", "1");
    escribir("txt_indu", "1");
    prueba::lo_dicho();
    pulsar("btb_resulta");
    calcular("txt_indu");
    elegir_parametro(1);
    EXPECT_EQ(prueba::lo_dicho(), (QStringList{en_locale("Frecuencia 159.155 KHz"), en_locale("Frecuencia 159.155 KHz"),
                                               "Frecuencia en MHz, Inductancia en µH"}));
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"txt_frec", {"Frecuencia", EditableText, "", "", editable | enfocable}},
        {"cmb_frec", {"Unidad de la frecuencia", ComboBox, "MHz", "MHz", editable | desplegable | enfocable}},
        {"txt_result", {"Capacitancia en µF", EditableText, "", "", solo_lectura | enfocable}},
    });
    // clang-format on
}

// Under a dark scheme (qt6ct's, or Windows' high contrast): every text
// readable, every white frame white.
TEST(VentanaVelorna, TemaOscuroYMarcosBlancos) { prueba::comprobar_en_cada_tema_y_estilo<VentanaVelorna>(); }

} // namespace
