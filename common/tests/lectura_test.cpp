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
        std::u16string texto;
        Separadores sep;
        std::optional<double> esperado; // none: not a number in that locale
    } lecturas[] = {{u" \t15.915 ", punto, 15.915},
                    {u"1,234,567.5", punto, 1234567.5},
                    {u"-15E-1", punto, -1.5},
                    {u".25", punto, 0.25},
                    {u"5.", punto, 5},
                    {u"1,5e+7", coma, 1.5e7},
                    {u"0.01", coma, 1}, // "." groups where "," is the decimal separator
                    {u"3.14159265358979323846264338327950288", punto, 3.141592653589793},
                    {u"1.7976931348623157e308", punto, std::numeric_limits<double>::max()},
                    {u"5e-324", punto, std::numeric_limits<double>::denorm_min()},
                    {u"-1e-326", punto, -0.0}, // below the smallest double
                    {u"1e-400", punto, 0},
                    {u"", punto, std::nullopt},
                    {u"1.2.3", punto, std::nullopt},
                    {u"e5", punto, std::nullopt},
                    {u"1e+", punto, std::nullopt},
                    {u",100", punto, std::nullopt},
                    {u"100,", punto, std::nullopt},
                    {u"1,,000", punto, std::nullopt},
                    {u"1.000,5", punto, std::nullopt},
                    {u"12abc", punto, std::nullopt},
                    {u"2e3x", punto, std::nullopt}};
    for (const auto& l : lecturas) {
        const std::string texto(l.texto.begin(), l.texto.end());
        if (l.esperado)
            EXPECT_EQ(texto_a_numero(l.texto, l.sep), *l.esperado) << texto;
        else
            EXPECT_THROW(texto_a_numero(l.texto, l.sep), fallo_de_conversion) << texto;
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
    const struct {
        std::u16string texto;
        double esperado;
        bool completo; // the number spans the whole text
    } valores[] = {{u"0,5", 0, false},          {u"12abc", 12, false}, {u"1.2.3", 1.2, false},
                   {u" 1 0\t0\n0", 1000, true}, {u"-.5", -0.5, true},  {u"+1e3", 1000, true},
                   {u"1e-", 1, false},          {u"-.e1", 0, false},   {u"", 0, false}};
    for (const auto& v : valores) {
        EXPECT_EQ(valor_de_texto(v.texto), v.esperado) << std::string(v.texto.begin(), v.texto.end());
        EXPECT_EQ(es_numero_completo(v.texto), v.completo) << std::string(v.texto.begin(), v.texto.end());
    }
}

} // namespace
