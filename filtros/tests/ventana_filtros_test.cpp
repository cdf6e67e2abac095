#include "soporte/prueba_gui.h"
#include "ventana_filtros.h"

#include "ventana/decoracion.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using prueba::control;
using prueba::en_locale;

namespace {

class VentanaFiltrosTest : public testing::Test {
protected:
    void SetUp() override
    {
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }

    QString resultado() const { return control<QLineEdit>(ventana, QStringLiteral("txt_result"))->text(); }
    QString unidad() const { return control<QLabel>(ventana, QStringLiteral("lbl_escalaresul"))->text(); }
    QSlider* deslizador(const char* nombre) const { return control<QSlider>(ventana, QString::fromLatin1(nombre)); }
    QLineEdit* caja(const char* nombre) const { return control<QLineEdit>(ventana, QString::fromLatin1(nombre)); }
    QComboBox* unidades() const { return control<QComboBox>(ventana, QStringLiteral("cmb_esc_c")); }
    QRadioButton* opcion(int i) const { return control<QRadioButton>(ventana, QStringLiteral("opt_filtros(%1)").arg(i)); }

    void elegir_filtro(int i) { QTest::mouseClick(opcion(i), Qt::LeftButton); }

    // Which of the named frames are shown, as a string of 0s and 1s.
    QString visibles(std::initializer_list<const char*> nombres) const
    {
        QString marcas;
        for (const char* nombre : nombres)
            marcas += control<QGroupBox>(ventana, QString::fromLatin1(nombre))->isVisible() ? u'1' : u'0';
        return marcas;
    }

    VentanaFiltros ventana;
};

TEST_F(VentanaFiltrosTest, EstadoInicialEnElLocaleDelUsuario)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("frm_filtros"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Filtros Activos"));
    EXPECT_EQ(ventana.size(), QSize(754, 574));
    EXPECT_EQ(caja("txt_r")->text(), QStringLiteral("1"));
    EXPECT_EQ(caja("txt_c")->text(), en_locale(QStringLiteral("0.01")));
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("15.915")));
    EXPECT_EQ(unidad(), QStringLiteral("KHz"));
    EXPECT_EQ(unidades()->currentText(), QStringLiteral("uF"));
    EXPECT_TRUE(opcion(0)->isChecked());
    EXPECT_EQ(visibles({"fra_filtros(0)", "fra_filtros(1)", "fra_filtros(2)", "fra_baal", "fra_banda"}),
              QStringLiteral("10010"));
    EXPECT_EQ(ventana.focusWidget(), control<QToolButton>(ventana, QStringLiteral("btn_salir")));
    EXPECT_TRUE(caja("txt_r")->isReadOnly() && caja("txt_c")->isReadOnly() && caja("txt_result")->isReadOnly());
}

// The start read-outs are read as what the sliders mean in every locale:
// band-pass at start is 1 / (1 kilo-ohm x 0.01 uF) = 100 KHz, never 1 KHz.
TEST_F(VentanaFiltrosTest, OpcionesCambianMarcosYRecalculan)
{
    struct Paso {
        int opcion;
        const char* valor;
        const char* unidad;
        const char* marcos; // fra_filtros(0..2), fra_baal, fra_banda
    };
    const Paso pasos[] = {
        {2, "100", "KHz", "00101"},
        {0, "15.915", "KHz", "10010"},
        {1, "15.915", "KHz", "01010"},
        {2, "100", "KHz", "00101"},
        {1, "15.915", "KHz", "01010"},
    };
    for (const Paso& p : pasos) {
        elegir_filtro(p.opcion);
        EXPECT_TRUE(opcion(p.opcion)->isChecked());
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(p.valor))) << "opcion " << p.opcion;
        EXPECT_EQ(unidad(), QString::fromLatin1(p.unidad));
        EXPECT_EQ(visibles({"fra_filtros(0)", "fra_filtros(1)", "fra_filtros(2)", "fra_baal", "fra_banda"}),
                  QString::fromLatin1(p.marcos));
    }
}

TEST_F(VentanaFiltrosTest, UnidadEscritaLetraALetra)
{
    struct Paso {
        const char* escrito;
        const char* valor;
        const char* unidad;
    };
    const Paso pasos[] = {
        {"n", "15.915", "KHz"},   // no unit yet: the microfarad divisor stays
        {"nF", "15.915", "MHz"},  // a thousand times the microfarad result
        {"nf", "15.915", "MHz"},  // letter case counts: the nanofarad divisor stays
        {" pF", "15.915", "MHz"}, // so does a blank
        {"pF", "15915.498", "MHz"},
        {"uF", "15.915", "KHz"},
    };
    for (const Paso& p : pasos) {
        prueba::reemplazar_texto(unidades()->lineEdit(), QString::fromLatin1(p.escrito));
        EXPECT_EQ(unidades()->currentText(), QString::fromLatin1(p.escrito)) << "nada se completa";
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(p.valor))) << p.escrito;
        EXPECT_EQ(unidad(), QString::fromLatin1(p.unidad)) << p.escrito;
    }
    QTest::keyClick(unidades()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(unidades()->count(), 3) << "nada se inserta en la lista";
}

TEST_F(VentanaFiltrosTest, UnidadElegidaDeLaLista)
{
    unidades()->setFocus();
    QTest::keyClick(unidades(), Qt::Key_Down);
    EXPECT_EQ(unidades()->currentText(), QStringLiteral("nF"));
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("15.915")));
    EXPECT_EQ(unidad(), QStringLiteral("MHz"));
    QTest::keyClick(unidades(), Qt::Key_Down);
    EXPECT_EQ(resultado(), en_locale(QStringLiteral("15915.498")));
    EXPECT_EQ(caja("txt_c")->text(), en_locale(QStringLiteral("0.01"))) << "C keeps its number";
}

TEST_F(VentanaFiltrosTest, DeslizadoresConTeclasYArrastre)
{
    struct Paso {
        const char* deslizador;
        Qt::Key tecla; // Qt::Key_unknown: drag the thumb to posicion instead
        int posicion;
        const char* caja;
        const char* lectura;
        const char* valor;
        const char* unidad;
    };
    const Paso pasos[] = {
        {"Sld_r", Qt::Key_Up, 11, "txt_r", "1.1", "14.469", "KHz"},
        {"Sld_r", Qt::Key_PageUp, 12, "txt_r", "1.2", "13.263", "KHz"},
        {"Sld_r", Qt::Key_End, 1000, "txt_r", "100", "159.155", "Hz"},
        {"Sld_c", Qt::Key_End, 10000, "txt_c", "100", "0.016", "Hz"},
        {"Sld_c", Qt::Key_Down, 9999, "txt_c", "99.99", "0.016", "Hz"},
        {"Sld_r", Qt::Key_Home, 10, "txt_r", "1", "1.592", "Hz"},
        {"Sld_c", Qt::Key_unknown, 100, "txt_c", "1", "159.155", "Hz"},
        {"Sld_c", Qt::Key_Home, 1, "txt_c", "0.01", "15.915", "KHz"},
    };
    for (const Paso& p : pasos) {
        QSlider* s = deslizador(p.deslizador);
        prueba::mover(s, p.tecla, p.posicion);
        EXPECT_EQ(s->value(), p.posicion);
        EXPECT_EQ(caja(p.caja)->text(), en_locale(QString::fromLatin1(p.lectura)));
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(p.valor))) << p.deslizador << " " << p.posicion;
        EXPECT_EQ(unidad(), QString::fromLatin1(p.unidad));
    }
}

// Worked results set up as a user would: sliders, unit list, filter type.
TEST_F(VentanaFiltrosTest, ValoresCalculados)
{
    struct Caso {
        int r;
        int c;
        int indice_unidad;
        int filtro;
        const char* valor;
        const char* unidad;
    };
    const Caso casos[] = {
        {10, 100, 0, 0, "159.155", "Hz"},    {100, 100, 1, 0, "15.915", "KHz"},
        {10, 1, 1, 0, "15.915", "MHz"},      {10, 1, 2, 0, "15915.498", "MHz"},
        {10, 1, 2, 2, "100000", "MHz"},      {1000, 10000, 0, 0, "0.016", "Hz"},
        {1000, 10000, 0, 2, "0.1", "Hz"},    {10, 100, 0, 2, "1", "KHz"},
    };
    for (const Caso& c : casos) {
        deslizador("Sld_r")->setValue(c.r);
        deslizador("Sld_c")->setValue(c.c);
        unidades()->setFocus();
        QTest::keyClick(unidades(), Qt::Key_Up);
        QTest::keyClick(unidades(), Qt::Key_Up);
        for (int i = 0; i < c.indice_unidad; ++i)
            QTest::keyClick(unidades(), Qt::Key_Down);
        elegir_filtro(c.filtro);
        EXPECT_EQ(resultado(), en_locale(QString::fromLatin1(c.valor))) << c.r << " " << c.c << " " << c.filtro;
        EXPECT_EQ(unidad(), QString::fromLatin1(c.unidad));
    }
}

TEST_F(VentanaFiltrosTest, NingunTextoSeSaleDeSuCaja)
{
    prueba::comprobar_textos_sin_cortar(ventana);

    // The widest read-outs and results the window can show.
    const std::pair<const char*, const char*> textos[] = {
        {"txt_r", "99.9"}, {"txt_c", "99.99"}, {"txt_result", "15915.498"}, {"cmb_esc_c", "uF"}};
    for (const auto& [nombre, texto] : textos) {
        const QWidget* c = control<QWidget>(ventana, QString::fromLatin1(nombre));
        const auto* edicion = qobject_cast<const QLineEdit*>(c) ? qobject_cast<const QLineEdit*>(c)
                                                                : qobject_cast<const QComboBox*>(c)->lineEdit();
        const QRect area = edicion->contentsRect() - edicion->textMargins();
        EXPECT_LE(QFontMetrics(c->font()).horizontalAdvance(en_locale(QString::fromLatin1(texto))), area.width() - 4)
            << nombre;
    }
}

TEST_F(VentanaFiltrosTest, TecladoYLectoresDePantalla)
{
    // Option buttons of one group take the focus through the selected one.
    EXPECT_EQ(prueba::recorrer_con_tabulador(ventana),
              QStringList({"btn_salir", "Sld_r", "Sld_c", "txt_r", "txt_c", "opt_filtros(0)", "cmb_esc_c", "txt_result"}));
    EXPECT_EQ(caja("txt_result")->accessibleName(), QStringLiteral("Frecuencia de corte en KHz"));
    elegir_filtro(2);
    deslizador("Sld_c")->setValue(10000);
    EXPECT_EQ(caja("txt_result")->accessibleName(), QStringLiteral("Frecuencia de corte en Hz"));
    EXPECT_EQ(prueba::copiar_con_teclado(caja("txt_result")), resultado());
    for (const char* imagen : {"Image8", "bajo", "alto", "banda"})
        EXPECT_FALSE(control<QWidget>(ventana, QString::fromLatin1(imagen))->accessibleName().isEmpty()) << imagen;
}

// The blank inside "Vo = Vi ( 1+ ... )" holds the fraction Rf / Ra: "1+"
// ends before its bar and ")" starts after it.
TEST_F(VentanaFiltrosTest, LaGananciaRodeaLaFraccion)
{
    const auto* formula = control<QLabel>(ventana, QStringLiteral("Label6"));
    const QLine barra = *control<ventana::Decoracion>(ventana, QStringLiteral("Line1"))->linea_en_el_contenedor();
    EXPECT_LE(prueba::extension_del_texto(formula, QStringLiteral("1+")).second, barra.x1());
    EXPECT_GE(prueba::extension_del_texto(formula, QStringLiteral(")")).first, barra.x2());
}

TEST(VentanaFiltros, TemaOscuro) { prueba::comprobar_tema_oscuro<VentanaFiltros>(); }

TEST_F(VentanaFiltrosTest, SalirCierraLaVentana)
{
    QTest::mouseClick(control<QToolButton>(ventana, QStringLiteral("btn_salir")), Qt::LeftButton);
    EXPECT_FALSE(ventana.isVisible());
}

} // namespace
