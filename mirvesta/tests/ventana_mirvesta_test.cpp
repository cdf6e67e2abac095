#include "soporte/prueba_gui.h"
#include "ventana_mirvesta.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using prueba::control;
using prueba::en_locale;

namespace {

class VentanaMirvestaTest : public testing::Test {
protected:
    void SetUp() override
    {
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }

    QString texto(const char* caja) const { return control<QLineEdit>(ventana, QString::fromLatin1(caja))->text(); }
    QSlider* deslizador(const char* nombre) const { return control<QSlider>(ventana, QString::fromLatin1(nombre)); }

    VentanaMirvesta ventana;
};

TEST_F(VentanaMirvestaTest, TextosDeDisenoHastaElPrimerMovimiento)
{
    EXPECT_EQ(ventana.objectName(), QStringLiteral("frm_bobinas"));
    EXPECT_EQ(ventana.windowTitle(), QStringLiteral("Cálculo de Inductancias Bajas"));
    EXPECT_EQ(ventana.size(), QSize(575, 623));
    EXPECT_EQ(texto("txt_longitud"), QStringLiteral("0"));
    EXPECT_EQ(texto("txt_nespiras"), QStringLiteral("1"));
    EXPECT_EQ(texto("txt_radio"), QStringLiteral("1 / 16\""));
    EXPECT_EQ(texto("txt_radio_cm"), QStringLiteral("0,16 cm"));
    EXPECT_EQ(texto("txt_valorbobina"), QStringLiteral("0.0069"));
    EXPECT_EQ(ventana.focusWidget(), control<QLineEdit>(ventana, QStringLiteral("txt_longitud")));
    prueba::comprobar_textos_sin_cortar(ventana);
}

TEST_F(VentanaMirvestaTest, LasCajasTomanElFocoPeroNoLaEscritura)
{
    for (const char* nombre : {"txt_longitud", "txt_nespiras", "txt_radio", "txt_radio_cm", "txt_valorbobina"}) {
        auto* caja = control<QLineEdit>(ventana, QString::fromLatin1(nombre));
        const QString antes = caja->text();
        caja->setFocus();
        QTest::keyClicks(caja, QStringLiteral("9"));
        EXPECT_EQ(caja->text(), antes) << nombre;
        EXPECT_EQ(caja->focusPolicy() & Qt::TabFocus, Qt::TabFocus) << nombre;
    }
}

// Each movement rewrites its own read-outs and the result from all three
// positions; keys reach exactly each slider's minimum and maximum.
TEST_F(VentanaMirvestaTest, MovimientosRecalculan)
{
    struct Paso {
        const char* deslizador;
        Qt::Key tecla; // Qt::Key_unknown: drag the thumb to posicion instead
        int posicion;
        const char* caja;
        const char* lectura; // "." here is the locale's separator only for the length
        const char* resultado;
    };
    const Paso pasos[] = {
        {"sld_radio", Qt::Key_End, 16, "txt_radio", " 16 / 16\"", "0.1111"},
        {"sld_nespiras", Qt::Key_End, 50, "txt_nespiras", "50", "277.7778"},
        {"sld_longitud", Qt::Key_End, 100, "txt_longitud", "10", "9.6525"},
        {"sld_radio", Qt::Key_Home, 1, "txt_radio_cm", " 0.16 cm", "0.039"},
        {"sld_nespiras", Qt::Key_Home, 1, "txt_nespiras", "1", "0"},
        {"sld_longitud", Qt::Key_Home, 0, "txt_longitud", "0", "0.0069"},
        {"sld_radio", Qt::Key_PageUp, 3, "txt_radio_cm", " 0.47 cm", "0.0208"},
        {"sld_radio", Qt::Key_Up, 4, "txt_radio_cm", " 0.62 cm", "0.0278"},
        {"sld_nespiras", Qt::Key_PageUp, 6, "txt_nespiras", "6", "1"},
        {"sld_longitud", Qt::Key_PageUp, 10, "txt_longitud", "1", "0.0826"},
        {"sld_longitud", Qt::Key_Up, 11, "txt_longitud", "1.1", "0.0756"},
        {"sld_radio", Qt::Key_unknown, 12, "txt_radio", " 12 / 16\"", "0.5912"},
        {"sld_radio", Qt::Key_Down, 11, "txt_radio_cm", " 1.72 cm", "0.5051"},
    };
    for (const Paso& p : pasos) {
        QSlider* s = deslizador(p.deslizador);
        prueba::mover(s, p.tecla, p.posicion);
        EXPECT_EQ(s->value(), p.posicion) << p.deslizador;
        const QString lectura = QString::fromLatin1(p.lectura);
        EXPECT_EQ(texto(p.caja), qstrcmp(p.caja, "txt_longitud") == 0 ? en_locale(lectura) : lectura) << p.posicion;
        EXPECT_EQ(texto("txt_valorbobina"), en_locale(QString::fromLatin1(p.resultado))) << p.deslizador << p.posicion;
    }
}

TEST_F(VentanaMirvestaTest, TecladoYLectoresDePantalla)
{
    EXPECT_EQ(prueba::recorrer_con_tabulador(ventana),
              QStringList({"txt_longitud", "sld_longitud", "txt_nespiras", "sld_nespiras", "txt_radio", "sld_radio",
                           "txt_radio_cm", "txt_valorbobina", "btn_salir"}));
    EXPECT_EQ(prueba::copiar_con_teclado(control<QLineEdit>(ventana, QStringLiteral("txt_valorbobina"))),
              QStringLiteral("0.0069"));
    EXPECT_FALSE(control<QWidget>(ventana, QStringLiteral("Image1"))->accessibleName().isEmpty());
}

// Each exponent stands right after the letter it raises.
TEST_F(VentanaMirvestaTest, ExponentesTrasSuLetra)
{
    const auto* numerador = control<QLabel>(ventana, QStringLiteral("Label2"));
    for (const auto& [letra, exponente] : {std::pair{"R", "Label8"}, std::pair{"n", "Label9"}}) {
        const qreal x = control<QLabel>(ventana, QString::fromLatin1(exponente))->x();
        const qreal fin = prueba::extension_del_texto(numerador, QString::fromLatin1(letra)).second;
        EXPECT_LE(fin, x) << letra;
        EXPECT_GE(fin, x - 8) << letra;
    }
}

TEST(VentanaMirvesta, TemaOscuro) { prueba::comprobar_tema_oscuro<VentanaMirvesta>(); }

TEST_F(VentanaMirvestaTest, SalirCierraLaVentana)
{
    QTest::mouseClick(control<QToolButton>(ventana, QStringLiteral("btn_salir")), Qt::LeftButton);
    EXPECT_FALSE(ventana.isVisible());
}

} // namespace
