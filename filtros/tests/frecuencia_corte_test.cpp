#include "frecuencia_corte.h"

#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include "soporte/texto_en_locale.h"

#include <gtest/gtest.h>

#include <string>

using namespace filtros;
using numerico::Separadores;
using numerico::separadores_coma;
using numerico::separadores_punto;

using prueba::en_locale;

namespace {


struct Caso {
    const char* nombre;
    std::u16string r;
    std::u16string c;
    double divisor_c;
    bool pasa_banda;
    std::u16string valor;
    std::u16string unidad;
};

class CalcularFrecuenciaCorte : public testing::TestWithParam<std::tuple<Caso, Separadores>> {};

TEST_P(CalcularFrecuenciaCorte, ValorYUnidad)
{
    const auto& [caso, sep] = GetParam();
    const FrecuenciaDeCorte f = calcular_frecuencia_corte(en_locale(caso.r, sep), en_locale(caso.c, sep),
                                                          caso.divisor_c, caso.pasa_banda, sep);
    EXPECT_EQ(f.unidad, caso.unidad);
    EXPECT_EQ(f.valor, en_locale(caso.valor, sep));
}

INSTANTIATE_TEST_SUITE_P(Tabla, CalcularFrecuenciaCorte, testing::Combine(testing::Values(
    Caso{"inicio_pasa_bajos", u"1", u"0.01", divisor_microfaradios, false, u"15.915", u"KHz"},
    Caso{"inicio_pasa_banda", u"1", u"0.01", divisor_microfaradios, true, u"100", u"KHz"},
    Caso{"un_microfaradio", u"1", u"1", divisor_microfaradios, false, u"159.155", u"Hz"},
    Caso{"diez_k_un_nanofaradio", u"10", u"1", divisor_nanofaradios, false, u"15.915", u"KHz"},
    Caso{"nanofaradios", u"1", u"0.01", divisor_nanofaradios, false, u"15.915", u"MHz"},
    Caso{"picofaradios", u"1", u"0.01", divisor_picofaradios, false, u"15915.498", u"MHz"},
    Caso{"picofaradios_pasa_banda", u"1", u"0.01", divisor_picofaradios, true, u"100000", u"MHz"},
    Caso{"minimo_pasa_bajos", u"100", u"100", divisor_microfaradios, false, u"0.016", u"Hz"},
    Caso{"minimo_pasa_banda", u"100", u"100", divisor_microfaradios, true, u"0.1", u"Hz"},
    // 1 / (R C) = 999.9996 Hz rounds to 1000 first, which reaches KHz.
    Caso{"redondeado_alcanza_kilohercios", u"1", u"1.0000004", divisor_microfaradios, true, u"1", u"KHz"},
    // 1 / (R C) = 999.9994 Hz stays below the threshold.
    Caso{"redondeado_queda_en_hercios", u"1", u"1.0000006", divisor_microfaradios, true, u"999.999", u"Hz"}),
    testing::Values(separadores_punto, separadores_coma)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre) + (std::get<1>(info.param).decimal == u',' ? "_coma" : "_punto");
    });

TEST(CalcularFrecuenciaCorte, TextoIlegibleEsFalloDeConversion)
{
    EXPECT_THROW(calcular_frecuencia_corte(u"", u"1", divisor_microfaradios, false, separadores_punto),
                 numerico::fallo_de_conversion);
    EXPECT_THROW(calcular_frecuencia_corte(u"1", u"1.5.0", divisor_microfaradios, true, separadores_punto),
                 numerico::fallo_de_conversion);
}

TEST(CalcularFrecuenciaCorte, CapacidadCeroEsFalloAritmetico)
{
    EXPECT_THROW(calcular_frecuencia_corte(u"1", u"0", divisor_microfaradios, false, separadores_punto),
                 numerico::fallo_aritmetico);
}

// Every position of both sliders is read back from its read-out as exactly
// position / scale, so the computation works with what the slider means.
TEST(LecturaDeDeslizador, SeLeeDeVueltaEnCadaPosicion)
{
    EXPECT_EQ(lectura_de_deslizador(15, 10, separadores_coma), u"1,5");
    EXPECT_EQ(lectura_de_deslizador(7, 100, separadores_punto), u"0.07");
    for (const Separadores sep : {separadores_punto, separadores_coma}) {
        for (std::int32_t p = 10; p <= 1000; ++p)
            ASSERT_EQ(numerico::texto_a_numero(lectura_de_deslizador(p, 10, sep), sep), p / 10.0) << p;
        for (std::int32_t p = 1; p <= 10000; ++p)
            ASSERT_EQ(numerico::texto_a_numero(lectura_de_deslizador(p, 100, sep), sep), p / 100.0) << p;
    }
}

} // namespace
