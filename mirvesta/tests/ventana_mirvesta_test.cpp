#include "soporte/lector_de_pantalla.h"
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
    // Windows' font renderer gives the stand-in font whole-pixel advances,
    // which end the letter up to one pixel further from its exponent.
#ifdef Q_OS_WIN
    constexpr int holgura = 9;
#else
    constexpr int holgura = 8;
#endif
    for (const auto& [letra, exponente] : {std::pair{"R", "Label8"}, std::pair{"n", "Label9"}}) {
        const qreal x = control(exponente)->x();
        const qreal fin = prueba::extension_del_texto(control<QLabel>("Label2"), QString::fromLatin1(letra)).second;
        EXPECT_LE(fin, x) << letra;
        EXPECT_GE(fin, x - holgura) << letra;
    }
}

// Each movement rewrites its own read-outs and the result from all three
// positions; the radius read-outs always write ".".
TEST_F(VentanaMirvestaTest, MovimientosRecalculan)
{
    comprobar_movimientos({{"sld_radio", Qt::Key_End, "txt_radio", QStringLiteral(" 16 / 16\""), "0.1111"},
                           {"sld_nespiras", Qt::Key_PageUp, "txt_nespiras", QStringLiteral("6"), "4"},
                           {"sld_longitud", Qt::Key_Up, "txt_longitud", en_locale("0.1"), "3.1304"},
                           {"sld_radio", prueba::Arrastre{4}, "txt_radio_cm", QStringLiteral(" 0.62 cm"), "0.4737"}},
                          [this] { return texto("txt_valorbobina"); });
}

// What a screen reader is told of each control: at start and after a step
// of the length, whose new result it is told wherever the focus is.
TEST_F(VentanaMirvestaTest, LoQueOyeUnLectorDePantalla)
{
    using enum QAccessible::Role;
    using enum prueba::Estado;
    const QString longitud = QStringLiteral("Longitud de la bobina en centímetros");
    const QString espiras = QStringLiteral("Número de espiras");
    const QString radio = QStringLiteral("Radio de una espira en dieciseisavos de pulgada");
    const QString inductancia = QStringLiteral("Inductancia de la bobina en microhenrios");
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"frm_bobinas", {"Cálculo de Inductancias Bajas", Window, "", "", 0}},
        {"sld_longitud", {longitud, Slider, "0", "0", enfocable}},
        {"txt_longitud", {longitud, EditableText, "0", "", solo_lectura | enfocable}},
        {"sld_nespiras", {espiras, Slider, "1", "1", enfocable}},
        {"sld_radio", {radio, Slider, "1", "1", enfocable}},
        {"txt_radio", {radio, EditableText, "1 / 16\"", "", solo_lectura | enfocable}},
        {"txt_radio_cm", {"Radio de una espira en centímetros", EditableText, "0,16 cm", "", solo_lectura | enfocable}},
        {"txt_valorbobina", {inductancia, EditableText, "0.0069", "", solo_lectura | enfocable}},
        {"Image1", {"Dibujo de la bobina vista de lado y de frente, con su longitud y su radio", Graphic, "", "", 0}},
        {"formula_Label1", {"L igual a R al cuadrado por n al cuadrado, dividido entre nueve R más veinticinco l", StaticText, "", "", 0}},
        {"Label8", {"2", StaticText, "", "", oculto}},
    });
    // clang-format on
    prueba::lo_dicho();
    QTest::keyClick(control("sld_longitud"), Qt::Key_Up);
    EXPECT_EQ(prueba::lo_dicho(), QStringList{en_locale("0.0013") + QStringLiteral(" µH")});
    // clang-format off
    prueba::comprobar_lo_que_oye_un_lector(ventana, {
        {"sld_longitud", {longitud, Slider, "0.1", en_locale("0.1"), enfocable}},
        {"txt_valorbobina", {inductancia, EditableText, en_locale("0.0013"), "", solo_lectura | enfocable}},
    });
    // clang-format on
}

// Under a dark scheme (qt6ct's, or Windows' high contrast): every text
// readable, every white frame white.
TEST(VentanaMirvesta, TemaOscuroYMarcosBlancos) { prueba::comprobar_en_cada_tema_y_estilo<VentanaMirvesta>(); }

} // namespace
