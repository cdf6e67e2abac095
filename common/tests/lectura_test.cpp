#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace numerico;

namespace {

struct Lectura {
    const char* nombre;
    std::u16string texto;
    Separadores sep;
    double esperado;
};

void PrintTo(const Lectura& l, std::ostream* os) { *os << l.nombre; }

class TextoANumero : public testing::TestWithParam<Lectura> {};

TEST_P(TextoANumero, LeeElNumeroMasCercano)
{
    const Lectura& l = GetParam();
    EXPECT_EQ(texto_a_numero(l.texto, l.sep), l.esperado);
    EXPECT_TRUE(es_numerico(l.texto, l.sep));
}

INSTANTIATE_TEST_SUITE_P(Tabla, TextoANumero, testing::Values(
    Lectura{"decimal_punto", u"15.915", separadores_punto, 15.915},
    Lectura{"blancos_alrededor", u" 2 ", separadores_punto, 2},
    Lectura{"agrupado", u"1,000", separadores_punto, 1000},
    Lectura{"agrupado_varias_veces", u"1,234,567.5", separadores_punto, 1234567.5},
    Lectura{"exponente", u"1e3", separadores_punto, 1000},
    Lectura{"exponente_mayuscula_con_signo", u"15E-1", separadores_punto, 1.5},
    Lectura{"negativo", u"-0.5", separadores_punto, -0.5},
    Lectura{"solo_fraccion", u".25", separadores_punto, 0.25},
    Lectura{"separador_al_final", u"5.", separadores_punto, 5},
    Lectura{"decimal_coma", u"0,01", separadores_coma, 0.01},
    Lectura{"coma_con_exponente", u"1,5E-07", separadores_coma, 1.5e-7},
    Lectura{"punto_es_grupo_con_coma", u"0.01", separadores_coma, 1},
    Lectura{"punto_agrupa_miles", u"1.000,5", separadores_coma, 1000.5},
    Lectura{"muchas_cifras", u"3.14159265358979323846264338327950288", separadores_punto, 3.141592653589793},
    Lectura{"mayor_double", u"1.7976931348623157e308", separadores_punto, std::numeric_limits<double>::max()},
    Lectura{"subnormal", u"5e-324", separadores_punto, std::numeric_limits<double>::denorm_min()},
    Lectura{"por_debajo_del_rango_es_cero", u"1e-400", separadores_punto, 0}),
    [](const auto& info) { return std::string(info.param.nombre); });

struct TextoInvalido {
    const char* nombre;
    std::u16string texto;
    Separadores sep;
};

class TextoANumeroFalla : public testing::TestWithParam<TextoInvalido> {};

TEST_P(TextoANumeroFalla, ConFalloDeConversion)
{
    const TextoInvalido& t = GetParam();
    EXPECT_THROW(texto_a_numero(t.texto, t.sep), fallo_de_conversion);
    EXPECT_FALSE(es_numerico(t.texto, t.sep));
}

INSTANTIATE_TEST_SUITE_P(Tabla, TextoANumeroFalla, testing::Values(
    TextoInvalido{"vacio", u"", separadores_punto},
    TextoInvalido{"solo_blancos", u"   ", separadores_punto},
    TextoInvalido{"letras", u"abc", separadores_punto},
    TextoInvalido{"dos_separadores", u"1.2.3", separadores_punto},
    TextoInvalido{"solo_signo", u"-", separadores_punto},
    TextoInvalido{"sin_cifra_antes_del_exponente", u"e5", separadores_punto},
    TextoInvalido{"grupo_al_principio", u",100", separadores_punto},
    TextoInvalido{"grupo_al_final", u"100,", separadores_punto},
    TextoInvalido{"grupo_en_la_fraccion", u"1.000,5", separadores_punto},
    TextoInvalido{"blanco_en_medio", u"1 000", separadores_punto},
    TextoInvalido{"infinito", u"inf", separadores_punto},
    TextoInvalido{"hexadecimal", u"0x10", separadores_punto},
    TextoInvalido{"letra_detras", u"12abc", separadores_punto}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(TextoANumero, MasAllaDelRangoEsDesbordamiento)
{
    for (const std::u16string texto : {u"1e999", u"-2e308", u"1e99999999999999999999"}) {
        EXPECT_THROW(texto_a_numero(texto, separadores_punto), fallo_aritmetico);
        EXPECT_FALSE(es_numerico(texto, separadores_punto));
    }
}

struct ValorInicial {
    const char* nombre;
    std::u16string texto;
    double esperado;
    bool completo;
};

class ValorDeTexto : public testing::TestWithParam<ValorInicial> {};

TEST_P(ValorDeTexto, LeeElNumeroDelPrincipio)
{
    const ValorInicial& v = GetParam();
    EXPECT_EQ(valor_de_texto(v.texto), v.esperado);
    EXPECT_EQ(es_numero_completo(v.texto), v.completo);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ValorDeTexto, testing::Values(
    ValorInicial{"decimal", u"2.2", 2.2, true},
    ValorInicial{"coma_termina_en_cero", u"0,5", 0, false},
    ValorInicial{"coma_termina", u"2,2", 2, false},
    ValorInicial{"letras_detras", u"12abc", 12, false},
    ValorInicial{"segundo_punto", u"1.2.3", 1.2, false},
    ValorInicial{"blancos_en_medio", u" 1 000", 1000, true},
    ValorInicial{"tabulador_y_salto", u"1\t2\n3", 123, true},
    ValorInicial{"fraccion_con_signo", u"-.5", -0.5, true},
    ValorInicial{"exponente", u"1e3", 1000, true},
    ValorInicial{"exponente_incompleto", u"1e", 1, false},
    ValorInicial{"vacio", u"", 0, false},
    ValorInicial{"letras", u"abc", 0, false},
    ValorInicial{"punto_final", u"5.", 5, true},
    ValorInicial{"por_debajo_del_rango", u"1e-999", 0, true}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ValorDeTexto, MasAllaDelRangoEsDesbordamiento)
{
    EXPECT_THROW(valor_de_texto(u"1e999"), fallo_aritmetico);
    EXPECT_THROW(valor_de_texto(u"-9e400abc"), fallo_aritmetico);
}

} // namespace
