#include "soporte/prueba_gui.h"
#include "ventana_velorna.h"

#include "ventana/decoracion.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using prueba::control;
using prueba::en_locale;

namespace {

const QString aviso_de_cero =
    QStringLiteral("Revise el valor. No Deben existir valores en 0, ni decimales mal escritos");
const QString aviso_de_numero_invalido = QStringLiteral("Debe escribir un numero valido");

class VentanaVelornaTest : public testing::Test {
protected:
    void SetUp() override
    {
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }

    QLineEdit* entrada(const char* nombre) const { return control<QLineEdit>(ventana, QString::fromLatin1(nombre)); }
    QComboBox* lista(const char* nombre) const { return control<QComboBox>(ventana, QString::fromLatin1(nombre)); }
    QString resultado() const { return entrada("txt_result")->text(); }
    QString unidad() const { return control<QLabel>(ventana, QStringLiteral("lbl_escalaresul"))->text(); }
    QString nombre_del_resultado() const { return control<QLabel>(ventana, QStringLiteral("lbl_result"))->text(); }

    void escribir(const char* nombre, const QString& texto) { prueba::reemplazar_texto(entrada(nombre), texto); }

    // Picks the item with the arrow keys, as a user does from the keyboard.
    void elegir_unidad(const char* nombre, int indice)
    {
        QComboBox* l = lista(nombre);
        while (l->currentIndex() != indice)
            QTest::keyClick(l, l->currentIndex() < indice ? Qt::Key_Down : Qt::Key_Up);
    }

    void elegir_parametro(int i)
    {
        QTest::mouseClick(control<QRadioButton>(ventana, QStringLiteral("opt_parametro(%1)").arg(i)), Qt::LeftButton);
    }

    std::vector<prueba::Aviso> calcular()
    {
        return prueba::avisos_durante([this] {
            QTest::mouseClick(control<QToolButton>(ventana, QStringLiteral("btb_resulta")), Qt::LeftButton);
        });
    }

    VentanaVelorna ventana;
};

TEST_F(VentanaVelornaTest, EstadoInicial)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("frm_c_tanque"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Velorna, generador de Onda Portadora"));
    EXPECT_EQ(ventana.size(), QSize(580, 538));
    EXPECT_FALSE(entrada("txt_frec")->isVisible());
    EXPECT_TRUE(entrada("txt_capa")->isVisible() && entrada("txt_indu")->isVisible());
    EXPECT_EQ(lista("cmb_frec")->currentText(), QStringLiteral("MHz"));
    EXPECT_EQ(lista("cmb_capa")->currentText(), QStringLiteral("\u00b5F"));
    EXPECT_EQ(lista("cmb_indu")->currentText(), QStringLiteral("\u00b5H"));
    EXPECT_EQ(nombre_del_resultado(), QStringLiteral("Frecuencia:"));
    EXPECT_EQ(resultado(), QString());
    EXPECT_EQ(unidad(), QStringLiteral("Hz"));
    EXPECT_EQ(ventana.focusWidget(), entrada("txt_capa"));
    prueba::comprobar_textos_sin_cortar(ventana);
}

TEST_F(VentanaVelornaTest, ResultadosConUnidadesElegidasYEscritas)
{
    struct Caso {
        int parametro;
        const char* capa;
        const char* indu;
        const char* frec;
        int indice_capa, indice_indu, indice_frec;
        const char* valor;
        const char* unidad;
    };
    const Caso casos[] = {
        {0, "1000", "1000", "", 0, 0, 2, "5.033", "Hz"},
        {1, "", "100", "100", 0, 1, 2, "2.533E-08", "\u00b5F"},
        {2, "1", "", "1000", 0, 1, 1, "0.02533", "\u00b5H"},
    };
    for (const Caso& c : casos) {
        elegir_parametro(c.parametro);
        elegir_unidad("cmb_capa", c.indice_capa);
        elegir_unidad("cmb_indu", c.indice_indu);
        elegir_unidad("cmb_frec", c.indice_frec);
        escribir("txt_capa", QString::fromLatin1(c.capa));
        escribir("txt_indu", QString::fromLatin1(c.indu));
        escribir("txt_frec", QString::fromLatin1(c.frec));
        EXPECT_TRUE(calcular().empty());
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(c.valor))) << c.parametro << " " << c.capa << c.indu << c.frec;
        EXPECT_EQ(unidad(), QString::fromUtf8(c.unidad));
    }
}

TEST_F(VentanaVelornaTest, UnidadEscritaSoloCuentaCuandoCoincideEntera)
{
    escribir("txt_capa", QStringLiteral("100"));
    escribir("txt_indu", QStringLiteral("1"));
    struct Paso {
        const char* escrito;
        const char* valor;
        const char* unidad;
    };
    const Paso pasos[] = {
        {"n", "15.915", "KHz"},  // still microfarads
        {"nF", "503.292", "KHz"},
        {"uF", "503.292", "KHz"}, // a u is no micro sign: still nanofarads
        {"PF", "503.292", "KHz"},
        {"pF", "15.915", "MHz"},
    };
    for (const Paso& p : pasos) {
        prueba::reemplazar_texto(lista("cmb_capa")->lineEdit(), QString::fromLatin1(p.escrito));
        EXPECT_EQ(lista("cmb_capa")->currentText(), QString::fromLatin1(p.escrito));
        EXPECT_TRUE(calcular().empty());
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(p.valor))) << p.escrito;
        EXPECT_EQ(unidad(), QString::fromLatin1(p.unidad));
    }
}

TEST_F(VentanaVelornaTest, OpcionVaciaElResultadoYConservaLasEntradas)
{
    escribir("txt_capa", QStringLiteral("1"));
    escribir("txt_indu", QStringLiteral("1"));
    calcular();
    ASSERT_FALSE(resultado().isEmpty());

    elegir_parametro(1);
    EXPECT_EQ(resultado(), QString());
    EXPECT_EQ(nombre_del_resultado(), QStringLiteral("Capacitancia:"));
    EXPECT_EQ(unidad(), QStringLiteral("\u00b5F"));
    EXPECT_TRUE(entrada("txt_frec")->isVisible() && lista("cmb_frec")->isVisible());
    EXPECT_FALSE(entrada("txt_capa")->isVisible() || lista("cmb_capa")->isVisible());

    elegir_parametro(2);
    EXPECT_EQ(nombre_del_resultado(), QStringLiteral("Inductancia:"));
    EXPECT_EQ(unidad(), QStringLiteral("\u00b5H"));
    EXPECT_TRUE(entrada("txt_capa")->isVisible());
    EXPECT_EQ(entrada("txt_capa")->text(), QStringLiteral("1"));
    EXPECT_FALSE(entrada("txt_indu")->isVisible());
}

TEST_F(VentanaVelornaTest, EntradaRechazaElSeptimoCaracter)
{
    escribir("txt_capa", QStringLiteral("1234567"));
    EXPECT_EQ(entrada("txt_capa")->text(), QStringLiteral("123456"));
}

// Every refusal and failure shows one message and changes nothing; the next
// "Calcular" works.
TEST_F(VentanaVelornaTest, AvisosNoCambianNadaYLaVentanaSigue)
{
    escribir("txt_capa", QStringLiteral("1"));
    escribir("txt_indu", QStringLiteral("1"));
    calcular();
    const QString antes = resultado();

    struct Caso {
        const char* capa;
        const char* indu;
        QString texto; // empty: a failure, whose text names the cause
    };
    const Caso casos[] = {
        {"", "1", aviso_de_cero},
        {"0,5", "1", aviso_de_cero},
        {"2,2", "1", aviso_de_numero_invalido},
        {"12abc", "1", aviso_de_numero_invalido},
        {"-1", "1", QString()},
        {"1e999", "1", QString()},
    };
    for (const Caso& c : casos) {
        escribir("txt_capa", QString::fromLatin1(c.capa));
        escribir("txt_indu", QString::fromLatin1(c.indu));
        const auto avisos = calcular();
        ASSERT_EQ(avisos.size(), 1u) << c.capa;
        EXPECT_EQ(avisos[0].titulo, QStringLiteral("Atencion"));
        EXPECT_EQ(avisos[0].icono, QMessageBox::Information);
        EXPECT_EQ(avisos[0].botones, QMessageBox::Ok);
        if (c.texto.isEmpty())
            EXPECT_TRUE(avisos[0].texto.startsWith(QStringLiteral("No se pudo completar el cálculo."))) << c.capa;
        else
            EXPECT_EQ(avisos[0].texto, c.texto) << c.capa;
        EXPECT_EQ(resultado(), antes);
        EXPECT_EQ(unidad(), QStringLiteral("KHz"));
        EXPECT_EQ(entrada("txt_capa")->text(), QString::fromLatin1(c.capa));
    }
    escribir("txt_capa", QStringLiteral("100"));
    EXPECT_TRUE(calcular().empty());
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("15.915")));
}

TEST_F(VentanaVelornaTest, TecladoYLectoresDePantalla)
{
    EXPECT_EQ(prueba::recorrer_con_tabulador(ventana),
              QStringList({"txt_capa", "cmb_capa", "txt_indu", "cmb_indu", "opt_parametro(0)", "btb_resulta",
                           "btn_salir", "txt_result"}));
    escribir("txt_capa", QStringLiteral("1"));
    escribir("txt_indu", QStringLiteral("1"));
    QTest::keyClick(control<QToolButton>(ventana, QStringLiteral("btb_resulta")), Qt::Key_Return);
    // Return presses the button as a click does, after its short press animation.
    EXPECT_TRUE(QTest::qWaitFor([this] { return !resultado().isEmpty(); }, 1000));
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("159.155")));
    EXPECT_EQ(entrada("txt_result")->accessibleName(), QStringLiteral("Frecuencia en KHz"));
    EXPECT_EQ(prueba::copiar_con_teclado(entrada("txt_result")), resultado());
    elegir_parametro(1);
    EXPECT_EQ(entrada("txt_result")->accessibleName(), QStringLiteral("Capacitancia en \u00b5F"));
    EXPECT_FALSE(control<QWidget>(ventana, QStringLiteral("Image1"))->accessibleName().isEmpty());
}

// Enter in an entry computes as "Calcular" does; after a refusal the focus is
// still in the entry. Escape closes nothing; Enter on "Salir" exits.
TEST_F(VentanaVelornaTest, EnterCalculaDesdeLasEntradas)
{
    escribir("txt_capa", QStringLiteral("1"));
    escribir("txt_indu", QStringLiteral("1"));
    EXPECT_TRUE(prueba::avisos_durante([this] { QTest::keyClick(entrada("txt_indu"), Qt::Key_Return); }).empty());
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("159.155")));

    escribir("txt_capa", QString());
    const auto avisos = prueba::avisos_durante([this] { QTest::keyClick(entrada("txt_capa"), Qt::Key_Enter); });
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0].texto, aviso_de_cero);
    EXPECT_EQ(ventana.focusWidget(), entrada("txt_capa"));

    QTest::keyClick(entrada("txt_capa"), Qt::Key_Escape);
    EXPECT_TRUE(ventana.isVisible());
    QTest::keyClick(control<QToolButton>(ventana, QStringLiteral("btn_salir")), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ventana.isVisible(); }, 1000));
}

// A result too wide for its box at the design's size is shown whole in a
// font just small enough; the next one that fits is at the design's size.
TEST_F(VentanaVelornaTest, ResultadoLargoSeVeEntero)
{
    auto* caja = entrada("txt_result");
    const double puntos_de_diseno = caja->font().pointSizeF();
    elegir_parametro(2);
    escribir("txt_capa", QStringLiteral("1"));
    escribir("txt_frec", QStringLiteral("1"));
    elegir_unidad("cmb_capa", 2);
    elegir_unidad("cmb_frec", 0);
    calcular();
    ASSERT_EQ(resultado(), en_locale(QStringLiteral("2.53302959120324E+16")));
    EXPECT_LT(caja->font().pointSizeF(), puntos_de_diseno);
    EXPECT_TRUE(prueba::muestra_todo_el_texto(caja));
    QFont mayor = caja->font();
    mayor.setPointSizeF(mayor.pointSizeF() + 0.25);
    caja->setFont(mayor);
    EXPECT_FALSE(prueba::muestra_todo_el_texto(caja)) << "the font shrank more than it had to";

    escribir("txt_frec", QStringLiteral("1000"));
    elegir_unidad("cmb_frec", 2);
    calcular();
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("0.02533")));
    EXPECT_EQ(caja->font().pointSizeF(), puntos_de_diseno);
}

// "CL" stands under the radical's bar, right of its rising stroke (a
// fraction of a pixel is the word spacing's own precision).
TEST_F(VentanaVelornaTest, RaizCubreCL)
{
    const auto* formula = control<QLabel>(ventana, QStringLiteral("Label1"));
    const QLine barra = *control<ventana::Decoracion>(ventana, QStringLiteral("Line3"))->linea_en_el_contenedor();
    const auto [izquierda, derecha] = prueba::extension_del_texto(formula, QStringLiteral("CL"));
    EXPECT_GE(izquierda, barra.x1() - 0.1);
    EXPECT_LE(derecha, barra.x2() + 0.1);
}

TEST(VentanaVelorna, TemaOscuro) { prueba::comprobar_tema_oscuro<VentanaVelorna>(); }

TEST_F(VentanaVelornaTest, SalirCierraLaVentana)
{
    QTest::mouseClick(control<QToolButton>(ventana, QStringLiteral("btn_salir")), Qt::LeftButton);
    EXPECT_FALSE(ventana.isVisible());
}

} // namespace
