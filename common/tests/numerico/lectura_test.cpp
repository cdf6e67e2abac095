#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

using namespace numerico;

namespace {

constexpr Separadores punto = separadores_punto;
constexpr Separadores coma = separadores_coma;

// The whole text read as a number in the locale, or refused.
TEST(TextoANumero, LeeElNumeroEnteroORechaza)
{
    const struct {
        const char* nombre;
        std::u16string texto;
        Separadores sep;
        std::optional<double> esperado; // none: not a number in that locale
    } lecturas[] = {{"con_blancos", u" \t15.915 ", punto, 15.915},
                    {"con_grupos", u"1,234,567.5", punto, 1234567.5},
                    {"exponente", u"-15E-1", punto, -1.5},
                    {"sin_entero", u".25", punto, 0.25},
                    {"sin_fraccion", u"5.", punto, 5},
                    {"coma_decimal", u"1,5e+7", coma, 1.5e7},
                    {"punto_agrupa_con_coma", u"0.01", coma, 1}, // "." groups where "," is the decimal separator
                    {"mas_cifras_que_un_double", u"3.14159265358979323846264338327950288", punto, 3.141592653589793},
                    {"mayor_double", u"1.7976931348623157e308", punto, std::numeric_limits<double>::max()},
                    {"menor_subnormal", u"5e-324", punto, std::numeric_limits<double>::denorm_min()},
                    {"bajo_el_menor_double", u"-1e-326", punto, -0.0},
                    {"muy_bajo", u"1e-400", punto, 0},
                    {"vacio", u"", punto, std::nullopt},
                    {"dos_puntos", u"1.2.3", punto, std::nullopt},
                    {"solo_exponente", u"e5", punto, std::nullopt},
                    {"exponente_sin_cifras", u"1e+", punto, std::nullopt},
                    {"grupo_al_principio", u",100", punto, std::nullopt},
                    {"grupo_al_final", u"100,", punto, std::nullopt},
                    {"grupos_seguidos", u"1,,000", punto, std::nullopt},
                    {"separadores_al_reves", u"1.000,5", punto, std::nullopt},
                    {"letras_detras", u"12abc", punto, std::nullopt},
                    {"letra_tras_exponente", u"2e3x", punto, std::nullopt}};
    for (const auto& l : lecturas) {
        if (l.esperado)
            EXPECT_EQ(texto_a_numero(l.texto, l.sep), *l.esperado) << l.nombre;
        else
            EXPECT_THROW(texto_a_numero(l.texto, l.sep), fallo_de_conversion) << l.nombre;
    }
}

TEST(TextoANumero, MasAllaDelRangoEsDesbordamiento)
{
    for (const std::u16string texto : {u"1e999", u"-2e308", u"1e99999999999999999999"})
        EXPECT_THROW(texto_a_numero(texto, punto), fallo_aritmetico);
    EXPECT_THROW(valor_de_texto(u"-9e400abc"), fallo_aritmetico);
}

// The leading number, "." as the only decimal point, blanks dropped.
TEST(ValorDeTexto, LeeElNumeroDelPrincipio)
{
    // clang-format off
    const struct {
        const char* nombre;
        std::u16string texto;
        double esperado;
        bool completo; // the number spans the whole text
    } valores[] = {
        {"coma_no_es_decimal", u"0,5", 0, false}, {"letras_detras", u"12abc", 12, false},
        {"dos_puntos", u"1.2.3", 1.2, false}, {"blancos_entre_cifras", u" 1 0\t0\n0", 1000, true},
        {"sin_entero", u"-.5", -0.5, true}, {"signo_y_exponente", u"+1e3", 1000, true},
        {"exponente_sin_cifras", u"1e-", 1, false}, {"sin_cifras", u"-.e1", 0, false}, {"vacio", u"", 0, false}};
    // clang-format on
    for (const auto& v : valores) {
        EXPECT_EQ(valor_de_texto(v.texto), v.esperado) << v.nombre;
        EXPECT_EQ(es_numero_completo(v.texto), v.completo) << v.nombre;
    }
}

} // namespace
