#include "soporte/prueba_gui.h"
#include "ventana_velorna.h"

#include "ventana/decoracion.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

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
    void escribir(const char* entrada, const char* texto)
    {
        prueba::reemplazar_texto(control<QLineEdit>(entrada), QString::fromUtf8(texto));
    }
    // Picks the item with the arrow keys, as a user does from the keyboard.
    void elegir_unidad(const char* nombre, int indice)
    {
        auto* lista = control<QComboBox>(nombre);
        while (lista->currentIndex() != indice)
            QTest::keyClick(lista, lista->currentIndex() < indice ? Qt::Key_Down : Qt::Key_Up);
    }
    void elegir_parametro(int i)
    {
        QTest::mouseClick(control<QRadioButton>(qPrintable(QStringLiteral("opt_parametro(%1)").arg(i))), Qt::LeftButton);
    }
    std::vector<prueba::Aviso> calcular(Qt::Key tecla = Qt::Key_unknown, const char* entrada = "txt_capa")
    {
        return prueba::avisos_durante([&] {
            if (tecla == Qt::Key_unknown)
                QTest::mouseClick(control<QToolButton>("btb_resulta"), Qt::LeftButton);
            else
                QTest::keyClick(control(entrada), tecla);
        });
    }
};

// One calculation of each kind, its units picked from the lists; choosing
// the quantity empties the result and shows the rows it needs.
TEST_F(VentanaVelornaTest, ResultadosConUnidadesElegidas)
{
    EXPECT_EQ(resultado(), QStringLiteral("Frecuencia:  Hz"));
    prueba::comprobar_diseno_completo(ventana);
    struct Caso {
        int parametro;
        const char *capa, *indu, *frec;
        int indice_capa, indice_indu, indice_frec;
        const char *vacio, *resultado;
    };
    const Caso casos[] = {
        {0, "1000", "1000", "", 0, 0, 2, "Frecuencia:  Hz", "Frecuencia: 5.033 Hz"},
        {1, "", "100", "100", 0, 1, 2, "Capacitancia:  µF", "Capacitancia: 2.533E-08 µF"},
        {2, "1", "", "1000", 2, 2, 1, "Inductancia:  µH", "Inductancia: 25330.295912 µH"},
    };
    for (const Caso& c : casos) {
        elegir_parametro(c.parametro);
        EXPECT_EQ(resultado(), QString::fromUtf8(c.vacio));
        const char* filas[] = {"txt_frec", "txt_capa", "txt_indu"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(control(filas[i])->isVisible(), i != c.parametro) << filas[i];
        elegir_unidad("cmb_capa", c.indice_capa);
        elegir_unidad("cmb_indu", c.indice_indu);
        elegir_unidad("cmb_frec", c.indice_frec);
        escribir("txt_capa", c.capa);
        escribir("txt_indu", c.indu);
        escribir("txt_frec", c.frec);
        EXPECT_TRUE(calcular().empty());
        EXPECT_EQ(resultado(), en_locale(c.resultado)) << c.parametro;
    }
}

// A typed unit counts only once it is a whole unit of its list.
TEST_F(VentanaVelornaTest, UnidadEscritaEnCadaLista)
{
    struct Paso {
        int parametro;
        const char *lista, *escrito, *resultado;
    };
    const Paso pasos[] = {
        {0, "cmb_capa", "n", "Frecuencia: 159.155 KHz"},     {0, "cmb_capa", "nF", "Frecuencia: 5.033 MHz"},
        {0, "cmb_capa", "uF", "Frecuencia: 5.033 MHz"},      {0, "cmb_indu", "mH", "Frecuencia: 159.155 KHz"},
        {1, "cmb_frec", "KHz", "Capacitancia: 25.330295912032 µF"},
        {1, "cmb_frec", "khz", "Capacitancia: 25.330295912032 µF"},
    };
    for (const char* entrada : {"txt_capa", "txt_indu", "txt_frec"})
        escribir(entrada, "1234567");
    EXPECT_EQ(texto("txt_capa"), QStringLiteral("123456")) << "six characters at most";
    for (const char* entrada : {"txt_capa", "txt_indu", "txt_frec"})
        escribir(entrada, "1");
    for (const Paso& p : pasos) {
        elegir_parametro(p.parametro);
        prueba::reemplazar_texto(control<QComboBox>(p.lista)->lineEdit(), QString::fromLatin1(p.escrito));
        EXPECT_TRUE(calcular().empty());
        EXPECT_EQ(resultado(), en_locale(p.resultado)) << p.lista << " " << p.escrito;
    }
}

// A refusal or a failure shows one message and changes nothing, the focus
// included; Enter in an entry computes. Escape closes nothing; Enter on
// "Salir" exits.
TEST_F(VentanaVelornaTest, AvisosEnterYSalir)
{
    escribir("txt_indu", "1");
    for (const auto& [capa, aviso] : {std::pair{"0,5", "Revise el valor"}, {"12abc", "Debe escribir un numero"},
                                      {"-1", "No se pudo completar el cálculo."}}) {
        escribir("txt_capa", capa);
        const auto avisos = calcular(Qt::Key_Return);
        ASSERT_EQ(avisos.size(), 1U) << capa;
        EXPECT_TRUE(avisos[0].texto.startsWith(QString::fromUtf8(aviso)) && avisos[0].titulo == "Atencion") << capa;
        EXPECT_EQ(resultado(), QStringLiteral("Frecuencia:  Hz"));
        EXPECT_EQ(ventana.focusWidget(), control("txt_capa"));
    }
    escribir("txt_capa", "100");
    EXPECT_TRUE(calcular(Qt::Key_Enter, "txt_indu").empty());
    EXPECT_EQ(resultado(), en_locale("Frecuencia: 15.915 KHz"));
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
    elegir_unidad("cmb_capa", 2);
    elegir_unidad("cmb_frec", 0);
    escribir("txt_capa", "1");
    escribir("txt_frec", "1");
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

// "CL" stands under the radical's bar (to the word spacing's own precision).
TEST_F(VentanaVelornaTest, RaizCubreCL)
{
    const QLine barra = *control<ventana::Decoracion>("Line3")->linea_en_el_contenedor();
    const auto [izquierda, derecha] = prueba::extension_del_texto(control<QLabel>("Label1"), QStringLiteral("CL"));
    EXPECT_TRUE(izquierda >= barra.x1() - 0.1 && derecha <= barra.x2() + 0.1) << izquierda << " " << derecha;
}

TEST(VentanaVelorna, TemaOscuro) { prueba::comprobar_tema_oscuro<VentanaVelorna>(); }

} // namespace
