#include "soporte/prueba_gui.h"
#include "ventana_mirvesta.h"

#include <QLabel>
#include <QSlider>

using prueba::en_locale;

namespace {

using VentanaMirvestaTest = prueba::ConVentana<VentanaMirvesta>;

// The design texts stay until a slider moves; the boxes take no typing.
// Each exponent stands right after the letter it raises.
TEST_F(VentanaMirvestaTest, DisenoCompleto)
{
    QTest::keyClicks(control("txt_longitud"), QStringLiteral("9"));
    EXPECT_EQ(texto("txt_longitud") + texto("txt_radio_cm") + texto("txt_valorbobina"),
              QStringLiteral("00,16 cm0.0069"));
    prueba::comprobar_diseno_completo(ventana);
    for (const auto& [letra, exponente] : {std::pair{"R", "Label8"}, std::pair{"n", "Label9"}}) {
        const qreal x = control(exponente)->x();
        const qreal fin = prueba::extension_del_texto(control<QLabel>("Label2"), QString::fromLatin1(letra)).second;
        EXPECT_LE(fin, x) << letra;
        EXPECT_GE(fin, x - 8) << letra;
    }
}

// Each movement rewrites its own read-outs and the result from all three
// positions; the radius read-outs always write ".".
TEST_F(VentanaMirvestaTest, MovimientosRecalculan)
{
    comprobar_movimientos({{"sld_radio", Qt::Key_End, 16, "txt_radio", QStringLiteral(" 16 / 16\""), "0.1111"},
                           {"sld_nespiras", Qt::Key_PageUp, 6, "txt_nespiras", QStringLiteral("6"), "4"},
                           {"sld_longitud", Qt::Key_Up, 1, "txt_longitud", en_locale("0.1"), "3.1304"},
                           {"sld_radio", Qt::Key_unknown, 4, "txt_radio_cm", QStringLiteral(" 0.62 cm"), "0.4737"}},
                          [this] { return texto("txt_valorbobina"); });
}

// Under qt6ct's dark scheme: every text readable, every white frame white.
TEST(VentanaMirvesta, TemaOscuroYMarcosBlancos)
{
    const auto crear = [] { return std::make_unique<VentanaMirvesta>(); };
    prueba::comprobar_tema_oscuro(crear);
    prueba::comprobar_marcos_blancos_en_cada_estilo(crear);
}

} // namespace
