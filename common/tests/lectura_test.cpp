#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include "soporte/tablas.h"

#include <limits>
#include <optional>

using namespace numerico;

namespace {

constexpr Separadores punto = separadores_punto;
constexpr Separadores coma = separadores_coma;

struct Lectura {
    const char* nombre;
    std::u16string texto;
    Separadores sep;
    std::optional<double> esperado; // none: not a number in that locale
};

class TextoANumero : public testing::TestWithParam<Lectura> {};

TEST_P(TextoANumero, LeeElNumeroEnteroORechaza)
{
    const Lectura& l = GetParam();
    EXPECT_EQ(es_numerico(l.texto, l.sep), l.esperado.has_value());
    if (l.esperado)
        EXPECT_EQ(texto_a_numero(l.texto, l.sep), *l.esperado);
    else
        EXPECT_THROW(texto_a_numero(l.texto, l.sep), fallo_de_conversion);
}

const Lectura lecturas[] = {
    {"blancos_alrededor", u" \t15.915 ", punto, 15.915},
    {"agrupado", u"1,234,567.5", punto, 1234567.5},
    {"exponente_con_signo", u"-15E-1", punto, -1.5},
    {"solo_fraccion", u".25", punto, 0.25},
    {"separador_al_final", u"5.", punto, 5},
    {"decimal_coma", u"1,5e+7", coma, 1.5e7},
    {"punto_es_grupo_con_coma", u"0.01", coma, 1},
    {"muchas_cifras", u"3.14159265358979323846264338327950288", punto, 3.141592653589793},
    {"mayor_double", u"1.7976931348623157e308", punto, std::numeric_limits<double>::max()},
    {"subnormal", u"5e-324", punto, std::numeric_limits<double>::denorm_min()},
    {"bajo_el_subnormal_es_cero", u"-1e-326", punto, -0.0},
    {"muy_por_debajo_es_cero", u"1e-400", punto, 0},
    {"vacio", u"", punto, std::nullopt},
    {"solo_blancos", u"   ", punto, std::nullopt},
    {"dos_separadores", u"1.2.3", punto, std::nullopt},
    {"solo_signo", u"-", punto, std::nullopt},
    {"sin_cifra_antes_del_exponente", u"e5", punto, std::nullopt},
    {"exponente_sin_cifras", u"1e+", punto, std::nullopt},
    {"grupo_al_principio", u",100", punto, std::nullopt},
    {"grupo_al_final", u"100,", punto, std::nullopt},
    {"grupo_doble", u"1,,000", punto, std::nullopt},
    {"grupo_en_la_fraccion", u"1.000,5", punto, std::nullopt},
    {"blanco_en_medio", u"1 000", punto, std::nullopt},
    {"letra_detras", u"12abc", punto, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(Tabla, TextoANumero, testing::ValuesIn(lecturas), prueba::NombreDeFila());

TEST(TextoANumero, MasAllaDelRangoEsDesbordamiento)
{
    for (const std::u16string texto : {u"1e999", u"-2e308", u"1e99999999999999999999"}) {
        EXPECT_THROW(texto_a_numero(texto, punto), fallo_aritmetico);
        EXPECT_FALSE(es_numerico(texto, punto));
    }
    EXPECT_THROW(valor_de_texto(u"-9e400abc"), fallo_aritmetico);
}

struct ValorInicial {
    const char* nombre;
    std::u16string texto;
    double esperado;
    bool completo; // the number spans the whole text
};

class ValorDeTexto : public testing::TestWithParam<ValorInicial> {};

TEST_P(ValorDeTexto, LeeElNumeroDelPrincipio)
{
    EXPECT_EQ(valor_de_texto(GetParam().texto), GetParam().esperado);
    EXPECT_EQ(es_numero_completo(GetParam().texto), GetParam().completo);
}

const ValorInicial valores[] = {
    {"coma_termina_en_cero", u"0,5", 0, false},     {"letras_detras", u"12abc", 12, false},
    {"segundo_punto", u"1.2.3", 1.2, false},        {"blancos_en_medio", u" 1 0\t0\n0", 1000, true},
    {"fraccion_con_signo", u"-.5", -0.5, true},     {"exponente", u"+1e3", 1000, true},
    {"exponente_incompleto", u"1e-", 1, false},     {"sin_cifras", u"-.e1", 0, false},
    {"vacio", u"", 0, false},
};
INSTANTIATE_TEST_SUITE_P(Tabla, ValorDeTexto, testing::ValuesIn(valores), prueba::NombreDeFila());

} // namespace
