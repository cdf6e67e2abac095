#include "numerico/aritmetica.h"
#include "numerico/escala_frecuencia.h"
#include "numerico/fallos.h"
#include "numerico/redondeo.h"
#include "numerico/unidades.h"

#include <gtest/gtest.h>

#include <limits>

using namespace numerico;

namespace {

// x * m rounded to a whole number, ties to even, then / d; the tie is
// decided on the double product (2.0005 * 1000 = 2000.5000000000002).
TEST(RedondearConFactor, EmpatesAParEnElProductoDouble)
{
    const struct {
        double x, m, esperado;
    } casos[] = {{0.0125, 1000, 0.012}, {0.0135, 1000, 0.014},    {0.0005, 1000, 0},
                 {2.0005, 1000, 2.001}, {999.9996, 1000, 1000},   {-0.0125, 1000, -0.012},
                 {0.125, 100, 0.12},    {0.00125, 10000, 0.0012}, {15.915494309189537, 1000, 15.915}};
    for (const auto& c : casos) {
        EXPECT_EQ(redondear_con_factor(c.x, c.m, c.m), c.esperado) << c.x;
        EXPECT_TRUE(c.m != 1000 || redondear_3(c.x) == c.esperado) << c.x;
    }
    EXPECT_EQ(redondear_con_factor(2.5, 1, 10), 0.2); // rounded by one factor, scaled by the other
    EXPECT_THROW(redondear_3(1e306), fallo_aritmetico);
}

TEST(EscalaFrecuencia, UmbralesExactos)
{
    for (const auto& [hercios, divisor, unidad] : {std::tuple{999.999, 1.0, u"Hz"}, std::tuple{1000.0, 1e3, u"KHz"},
                                                   std::tuple{999999.999, 1e3, u"KHz"}, std::tuple{1e6, 1e6, u"MHz"}})
        EXPECT_TRUE(escala_frecuencia(hercios).divisor == divisor && escala_frecuencia(hercios).unidad == unidad)
            << hercios;
}

// Each failing step names its own cause; underflow is no failure.
TEST(AritmeticaComprobada, CadaPasoFallaConSuCausa)
{
    using enum Causa;
    constexpr double maximo = std::numeric_limits<double>::max();
    const auto causa = [](auto paso) {
        try {
            paso();
        } catch (const fallo_aritmetico& f) {
            return f.causa();
        }
        ADD_FAILURE() << "no falla";
        return operacion_invalida;
    };
    EXPECT_EQ(causa([] { dividir(1, 0); }), division_por_cero);
    EXPECT_EQ(causa([] { dividir(-1, -0.0); }), division_por_cero);
    EXPECT_EQ(causa([] { dividir(0, 0); }), operacion_invalida);
    EXPECT_EQ(causa([] { raiz_cuadrada(-1); }), operacion_invalida);
    EXPECT_EQ(causa([] { dividir(1, 1e-310); }), desbordamiento);
    EXPECT_EQ(causa([] { multiplicar(maximo, 2); }), desbordamiento);
    EXPECT_EQ(causa([] { sumar(maximo, maximo); }), desbordamiento);
    EXPECT_EQ(multiplicar(1e-200, 1e-200), 0.0);
    EXPECT_EQ(raiz_cuadrada(6.25), 2.5);
}

TEST(Unidades, TextoEnteroExactoOElFactorQueHabia)
{
    constexpr Unidad unidades[] = {{u"\u00b5F", 1e6}, {u"nF", 1e9}};
    EXPECT_EQ(factor_de_unidad(u"nF", unidades, 1e6), 1e9);
    EXPECT_EQ(factor_de_unidad(u"\u00b5F", unidades, 1e9), 1e6);
    for (const std::u16string_view otro : {u"n", u"NF", u" nF", u"uF", u""})
        EXPECT_EQ(factor_de_unidad(otro, unidades, 1e12), 1e12);
    EXPECT_EQ(unidad_de_factor(1e9, unidades), u"nF");
    EXPECT_EQ(unidad_de_factor(1e12, unidades), u"");
}

} // namespace
