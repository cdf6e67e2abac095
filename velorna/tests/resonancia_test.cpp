#include "resonancia.h"

#include "numerico/fallos.h"

#include "soporte/texto_en_locale.h"

#include <gtest/gtest.h>

#include <string>

using namespace velorna;
using numerico::Separadores;

using prueba::en_locale;

namespace {

constexpr double micro = 1e6, mili = 1e3, nano = 1e9, pico = 1e12;
constexpr double hercios = 1, kilohercios = 1e3, megahercios = 1e6;
constexpr Factores al_abrir{micro, micro, megahercios};


// What a click on "Calcular" gives: "unit|value" for a result, or the refusal.
std::u16string resolver_como_texto(Parametro p, const Entradas& e, const Factores& k, Separadores sep)
{
    const auto solucion = resolver(p, e, k, sep);
    if (const auto* rechazo = std::get_if<Rechazo>(&solucion))
        return *rechazo == Rechazo::valor_cero ? u"cero" : u"invalido";
    const Resultado& r = std::get<Resultado>(solucion);
    return std::u16string(r.unidad.value_or(u"")) + u"|" + r.valor;
}

struct Caso {
    const char* nombre;
    Parametro parametro;
    const char16_t* capa;
    const char16_t* indu;
    const char16_t* frec;
    Factores factores;
    const char16_t* esperado; // "unit|value" with "." as decimal point, "cero" or "invalido"
};

class Resolver : public testing::TestWithParam<std::tuple<Caso, Separadores>> {};

TEST_P(Resolver, ResultadoORechazo)
{
    const auto& [c, sep] = GetParam();
    EXPECT_EQ(resolver_como_texto(c.parametro, {c.capa, c.indu, c.frec}, c.factores, sep), en_locale(c.esperado, sep));
}

constexpr auto F = Parametro::frecuencia;
constexpr auto C = Parametro::capacitancia;
constexpr auto L = Parametro::inductancia;

INSTANTIATE_TEST_SUITE_P(Tabla, Resolver, testing::Combine(testing::Values(
    // Worked results.
    Caso{"f_1uF_1uH", F, u"1", u"1", u"", al_abrir, u"KHz|159.155"},
    Caso{"f_100pF_1uH", F, u"100", u"1", u"", {pico, micro, megahercios}, u"MHz|15.915"},
    Caso{"f_1000uF_1000mH", F, u"1000", u"1000", u"", {micro, mili, megahercios}, u"Hz|5.033"},
    Caso{"c_1MHz_1uH", C, u"", u"1", u"1", al_abrir, u"|0.025330295912"},
    Caso{"l_1MHz_100pF", L, u"100", u"", u"1", {pico, micro, megahercios}, u"|253.302959"},
    // The unit is chosen on the unrounded frequency.
    Caso{"f_justo_sobre_1000Hz", F, u"8976", u"2822", u"", {nano, micro, megahercios}, u"KHz|1"},
    Caso{"f_justo_bajo_1000Hz", F, u"1296", u"19545", u"", {nano, micro, megahercios}, u"Hz|1000"},
    // Capacitance and inductance are never rescaled.
    Caso{"c_sin_reescalar", C, u"", u"100", u"100", al_abrir, u"|2.533E-08"},
    Caso{"l_sin_reescalar", L, u"1", u"", u"1", al_abrir, u"|0.02533"},
    // Signs: F enters squared; both negative under the root cancel.
    Caso{"c_inductancia_negativa", C, u"", u"-1", u"1", al_abrir, u"|-0.025330295912"},
    Caso{"c_frecuencia_negativa", C, u"", u"1", u"-1", al_abrir, u"|0.025330295912"},
    Caso{"l_capacidad_negativa", L, u"-100", u"", u"1", {pico, micro, megahercios}, u"|-253.302959"},
    Caso{"f_ambas_negativas", F, u"-1", u"-1", u"", al_abrir, u"KHz|159.155"},
    // Blanks around and inside are dropped.
    Caso{"f_con_blancos", F, u" 1 ", u"  1", u"", al_abrir, u"KHz|159.155"},
    Caso{"f_blancos_en_medio", F, u"1 000", u"1", u"", {pico, micro, megahercios}, u"MHz|5.033"},
    // Zero entries: blank, 0, and a comma where "." is the only decimal point.
    Caso{"f_capacidad_en_blanco", F, u"", u"1", u"", al_abrir, u"cero"},
    Caso{"f_inductancia_cero", F, u"1", u"0", u"", al_abrir, u"cero"},
    Caso{"f_coma_lee_cero", F, u"0,5", u"1", u"", al_abrir, u"cero"},
    Caso{"c_frecuencia_en_blanco", C, u"", u"1", u"  ", al_abrir, u"cero"},
    Caso{"c_frecuencia_cero", C, u"", u"1", u"0", al_abrir, u"cero"},
    Caso{"c_inductancia_en_blanco", C, u"", u"", u"1", al_abrir, u"cero"},
    Caso{"l_frecuencia_cero", L, u"1", u"", u"-0", al_abrir, u"cero"},
    // Entries that are not wholly a number are refused, not read in part.
    Caso{"f_coma_en_medio", F, u"2,2", u"1", u"", al_abrir, u"invalido"},
    Caso{"f_letras_detras", F, u"1", u"12abc", u"", al_abrir, u"invalido"},
    Caso{"c_frecuencia_letras", C, u"", u"1", u"abc", al_abrir, u"invalido"},
    Caso{"c_frecuencia_con_coma", C, u"", u"1", u"0,5", al_abrir, u"invalido"},
    Caso{"l_dos_puntos", L, u"1.2.3", u"", u"1", al_abrir, u"invalido"},
    // The entry of the quantity computed is never read.
    Caso{"f_ignora_frecuencia", F, u"1", u"1", u"1e999", al_abrir, u"KHz|159.155"},
    Caso{"c_ignora_capacidad", C, u"abc", u"1", u"1", al_abrir, u"|0.025330295912"},
    Caso{"l_ignora_inductancia", L, u"1", u"1e999", u"1", al_abrir, u"|0.02533"}),
    testing::Values(numerico::separadores_punto, numerico::separadores_coma)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).nombre) + (std::get<1>(info.param).decimal == u',' ? "_coma" : "_punto");
    });

struct Fallo {
    const char* nombre;
    Parametro parametro;
    const char16_t* capa;
    const char16_t* indu;
    const char16_t* frec;
};

class ResolverFalla : public testing::TestWithParam<Fallo> {};

TEST_P(ResolverFalla, ConFalloAritmetico)
{
    const Fallo& f = GetParam();
    EXPECT_THROW(resolver(f.parametro, {f.capa, f.indu, f.frec}, al_abrir, numerico::separadores_punto),
                 numerico::fallo_aritmetico);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ResolverFalla, testing::Values(
    Fallo{"raiz_de_negativo", F, u"-1", u"1", u""},
    Fallo{"entrada_fuera_de_rango", F, u"1e999", u"1", u""},
    Fallo{"inverso_del_cuadrado_desborda", C, u"", u"1", u"1e-200"},
    Fallo{"capacidad_desborda", C, u"", u"1e-300", u"1e-100"}),
    [](const auto& info) { return std::string(info.param.nombre); });

// "uF" typed with a u instead of the micro sign, or in another letter case,
// is no unit: the factor in use stays.
TEST(UnidadesDeVelorna, SignoMicroYMayusculasExactos)
{
    using numerico::factor_de_unidad;
    EXPECT_EQ(factor_de_unidad(u"\u00b5F", unidades_de_capacidad, pico), micro);
    EXPECT_EQ(factor_de_unidad(u"uF", unidades_de_capacidad, pico), pico);
    EXPECT_EQ(factor_de_unidad(u"NF", unidades_de_capacidad, pico), pico);
    EXPECT_EQ(factor_de_unidad(u"mH", unidades_de_inductancia, micro), mili);
    EXPECT_EQ(factor_de_unidad(u"\u00b5H", unidades_de_inductancia, nano), micro);
    EXPECT_EQ(factor_de_unidad(u"uH", unidades_de_inductancia, nano), nano);
    EXPECT_EQ(factor_de_unidad(u"KHz", unidades_de_frecuencia, hercios), kilohercios);
    EXPECT_EQ(factor_de_unidad(u"kHz", unidades_de_frecuencia, hercios), hercios);
}

} // namespace
