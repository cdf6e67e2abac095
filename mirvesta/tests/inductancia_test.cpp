#include "inductancia.h"

#include "numerico/fallos.h"

#include "soporte/tablas.h"

using namespace mirvesta;
using numerico::separadores_coma;
using numerico::separadores_punto;

namespace {

TEST(CalcularInductancia, CuatroDecimalesEnElLocale)
{
    const struct {
        const char* nombre;
        std::int32_t radio, espiras, longitud;
        const char16_t* texto;
    } casos[] = {{"al_abrir", 1, 1, 0, u"0.0069"},           {"media_pulgada", 8, 10, 20, u"0.4587"},
                 {"cero_final_fuera", 4, 25, 50, u"0.307"},  {"radio_mayor", 16, 1, 0, u"0.1111"},
                 {"espiras_maximas", 1, 50, 0, u"17.3611"},  {"radio_y_espiras_maximos", 16, 50, 0, u"277.7778"},
                 {"todo_al_maximo", 16, 50, 100, u"9.6525"}, {"redondea_a_cero", 1, 1, 100, u"0"}};
    for (const numerico::Separadores sep : {separadores_punto, separadores_coma})
        for (const auto& c : casos)
            EXPECT_EQ(calcular_inductancia(c.radio, c.espiras, c.longitud, sep).texto, prueba::en_locale(c.texto, sep))
                << c.nombre;
}

// R in inches, l in centimetres; the square of the turns overflows 32 bits
// past 46340.
TEST(CalcularInductancia, UnidadesDeLosPasosYLimiteDeEspiras)
{
    const Inductancia l = calcular_inductancia(8, 10, 20, separadores_punto);
    EXPECT_EQ(l.numerador, 25);     // 0.5² x 10²
    EXPECT_EQ(l.denominador, 54.5); // 9 x 0.5 + 25 x 2
    EXPECT_NO_THROW(calcular_inductancia(1, 46340, 0, separadores_punto));
    EXPECT_THROW(calcular_inductancia(1, 46341, 0, separadores_punto), numerico::fallo_aritmetico);
}

// Sixteenths never reduced; centimetres at 2.5 to the inch, ties to even.
TEST(Lecturas, RadioLongitudYEspiras)
{
    const char16_t* centimetros[] = {u"0.16", u"0.31", u"0.47", u"0.62", u"0.78", u"0.94", u"1.09", u"1.25",
                                     u"1.41", u"1.56", u"1.72", u"1.88", u"2.03", u"2.19", u"2.34", u"2.5"};
    for (std::int32_t v = 1; v <= 16; ++v)
        EXPECT_EQ(lectura_de_radio_en_cm(v), std::u16string(u" ") + centimetros[v - 1] + u" cm") << v;
    EXPECT_EQ(lectura_de_radio(8), u" 8 / 16\"");
    EXPECT_EQ(numero_a_texto_con_signo(-0.16), u"-0.16");
    EXPECT_EQ(lectura_de_longitud(25, separadores_coma), u"2,5");
    EXPECT_EQ(lectura_de_espiras(50), u"50");
}

} // namespace
