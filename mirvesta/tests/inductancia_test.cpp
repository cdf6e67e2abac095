#include "inductancia.h"

#include "numerico/fallos.h"

#include "soporte/texto_en_locale.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace mirvesta;
using numerico::Separadores;
using numerico::separadores_coma;
using numerico::separadores_punto;

using prueba::en_locale;

namespace {


struct Caso {
    std::int32_t radio, espiras, longitud;
    const char16_t* texto;
};

class CalcularInductancia : public testing::TestWithParam<std::tuple<Caso, Separadores>> {};

TEST_P(CalcularInductancia, CuatroDecimalesEnElLocale)
{
    const auto& [c, sep] = GetParam();
    EXPECT_EQ(calcular_inductancia(c.radio, c.espiras, c.longitud, sep).texto, en_locale(c.texto, sep));
}

INSTANTIATE_TEST_SUITE_P(Tabla, CalcularInductancia, testing::Combine(testing::Values(
    Caso{1, 1, 0, u"0.0069"}, Caso{8, 10, 20, u"0.4587"}, Caso{4, 25, 50, u"0.307"},
    Caso{16, 1, 0, u"0.1111"}, Caso{1, 50, 0, u"17.3611"}, Caso{16, 50, 0, u"277.7778"},
    Caso{16, 50, 100, u"9.6525"}, Caso{1, 1, 100, u"0"}),
    testing::Values(separadores_punto, separadores_coma)),
    [](const auto& info) {
        const Caso& c = std::get<0>(info.param);
        return "r" + std::to_string(c.radio) + "_n" + std::to_string(c.espiras) + "_l" + std::to_string(c.longitud) +
               (std::get<1>(info.param).decimal == u',' ? "_coma" : "_punto");
    });

TEST(CalcularInductancia, GuardaNumeradorDenominadorEInductancia)
{
    const Inductancia l = calcular_inductancia(1, 1, 0, separadores_punto);
    EXPECT_EQ(l.numerador, 0.00390625);
    EXPECT_EQ(l.denominador, 0.5625);
    EXPECT_EQ(l.inductancia, 1.0 / 144.0);
    // The length enters in centimetres with factor 25: 9 x 0.5 + 25 x 2.
    EXPECT_EQ(calcular_inductancia(8, 10, 20, separadores_punto).denominador, 54.5);
}

TEST(CalcularInductancia, ProductoDeEspirasProtegido)
{
    EXPECT_NO_THROW(calcular_inductancia(1, 46340, 0, separadores_punto));
    EXPECT_THROW(calcular_inductancia(1, 46341, 0, separadores_punto), numerico::fallo_aritmetico);
    EXPECT_THROW(calcular_inductancia(0, 1, 0, separadores_punto), numerico::fallo_aritmetico);
}

// Every radius position: sixteenths never reduced, centimetres at 2.5 cm to
// the inch with ties to even (62.5 -> 0.62 at 4, 187.5 -> 1.88 at 12).
TEST(LecturaDeRadio, LasDieciseisPosiciones)
{
    const char16_t* centimetros[] = {u"0.16", u"0.31", u"0.47", u"0.62", u"0.78", u"0.94", u"1.09", u"1.25",
                                     u"1.41", u"1.56", u"1.72", u"1.88", u"2.03", u"2.19", u"2.34", u"2.5"};
    EXPECT_EQ(lectura_de_radio(1), u" 1 / 16\"");
    EXPECT_EQ(lectura_de_radio(8), u" 8 / 16\"");
    EXPECT_EQ(lectura_de_radio(16), u" 16 / 16\"");
    for (std::int32_t v = 1; v <= 16; ++v)
        EXPECT_EQ(lectura_de_radio_en_cm(v), u" " + std::u16string(centimetros[v - 1]) + u" cm") << v;
}

TEST(LecturaDeLongitudYEspiras, SiguenElLocaleSinBlanco)
{
    EXPECT_EQ(lectura_de_longitud(25, separadores_coma), u"2,5");
    EXPECT_EQ(lectura_de_longitud(25, separadores_punto), u"2.5");
    EXPECT_EQ(lectura_de_longitud(100, separadores_coma), u"10");
    EXPECT_EQ(lectura_de_longitud(0, separadores_coma), u"0");
    EXPECT_EQ(lectura_de_espiras(50), u"50");
}

TEST(NumeroATextoConSigno, BlancoDelanteYPuntoSiempre)
{
    EXPECT_EQ(numero_a_texto_con_signo(2.5), u" 2.5");
    EXPECT_EQ(numero_a_texto_con_signo(0), u" 0");
    EXPECT_EQ(numero_a_texto_con_signo(-0.16), u"-0.16");
    EXPECT_EQ(numero_a_texto_con_signo(16), u" 16");
}

} // namespace
