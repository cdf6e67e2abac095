#include "numerico/aritmetica.h"
#include "numerico/fallos.h"
#include "numerico/redondeo.h"
#include "numerico/unidades.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using namespace numerico;

namespace {

struct Redondeo {
    const char* nombre;
    double x;
    double esperado;
};

class Redondear3 : public testing::TestWithParam<Redondeo> {};

TEST_P(Redondear3, DecideElProductoDouble)
{
    EXPECT_EQ(redondear_3(GetParam().x), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(Tabla, Redondear3, testing::Values(
    Redondeo{"kilohercios", 15915.494309189537, 15915.494},
    Redondeo{"hercios", 15.915494309189537, 15.915},
    Redondeo{"empate_baja_a_par", 0.0125, 0.012},
    Redondeo{"empate_sube_a_par", 0.0135, 0.014},
    Redondeo{"medio_a_cero", 0.0005, 0},
    Redondeo{"producto_pasa_del_medio", 2.0005, 2.001},
    Redondeo{"llega_a_mil", 999.9996, 1000},
    Redondeo{"empate_negativo", -0.0125, -0.012},
    Redondeo{"empate_exacto_binario", 0.0625, 0.062}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(RedondearConFactor, EmpatesAParEnCualquierFactor)
{
    EXPECT_EQ(redondear_con_factor(2.5, 1, 1), 2);
    EXPECT_EQ(redondear_con_factor(3.5, 1, 1), 4);
    EXPECT_EQ(redondear_con_factor(-2.5, 1, 1), -2);
    EXPECT_EQ(redondear_con_factor(12.5, 10, 10), 12.5);
    EXPECT_EQ(redondear_con_factor(0.125, 100, 100), 0.12);
    EXPECT_EQ(redondear_con_factor(62.5, 1, 1), 62);
}

TEST(RedondearConFactor, ProductoDesbordadoEsFallo)
{
    EXPECT_THROW(redondear_3(1e306), fallo_aritmetico);
    EXPECT_THROW(redondear_con_factor(1, 1, 0), fallo_aritmetico);
}

struct Escala {
    double hercios;
    double divisor;
    std::u16string_view unidad;
};

class EscalaFrecuencia_ : public testing::TestWithParam<Escala> {};

TEST_P(EscalaFrecuencia_, UmbralesExactos)
{
    const EscalaFrecuencia e = escala_frecuencia(GetParam().hercios);
    EXPECT_EQ(e.divisor, GetParam().divisor);
    EXPECT_EQ(e.unidad, GetParam().unidad);
}

INSTANTIATE_TEST_SUITE_P(Tabla, EscalaFrecuencia_, testing::Values(
    Escala{0, 1, u"Hz"},
    Escala{999.999, 1, u"Hz"},
    Escala{1000, 1000, u"KHz"},
    Escala{999999.999, 1000, u"KHz"},
    Escala{1000000, 1000000, u"MHz"},
    Escala{2e12, 1000000, u"MHz"}),
    [](const auto& info) { return "frecuencia_" + std::to_string(info.index); });

TEST(AritmeticaComprobada, CadaPasoFallaAlMomento)
{
    constexpr double maximo = std::numeric_limits<double>::max();
    EXPECT_THROW(dividir(1, 0), fallo_aritmetico);
    EXPECT_THROW(dividir(0, 0), fallo_aritmetico);
    EXPECT_THROW(dividir(1, 1e-310), fallo_aritmetico);
    EXPECT_THROW(multiplicar(maximo, 2), fallo_aritmetico);
    EXPECT_THROW(sumar(maximo, maximo), fallo_aritmetico);
    EXPECT_THROW(restar(-maximo, maximo), fallo_aritmetico);
}

TEST(AritmeticaComprobada, SubdesbordamientoNoEsFallo)
{
    EXPECT_EQ(multiplicar(1e-200, 1e-200), 0.0);
    EXPECT_EQ(dividir(1e-300, 1e100), 0.0);
    EXPECT_GT(dividir(1e-300, 1e10), 0.0);
}

TEST(FactorDeUnidad, TextoEnteroExactoOElFactorQueHabia)
{
    constexpr Unidad unidades[] = {{u"\u00b5F", 1e6}, {u"nF", 1e9}};
    EXPECT_EQ(factor_de_unidad(u"nF", unidades, 1e6), 1e9);
    EXPECT_EQ(factor_de_unidad(u"\u00b5F", unidades, 1e9), 1e6);
    for (const std::u16string_view otro : {u"n", u"NF", u" nF", u"nF ", u"uF", u""})
        EXPECT_EQ(factor_de_unidad(otro, unidades, 1e12), 1e12);
}

TEST(AritmeticaComprobada, RaizDeNegativoEsInvalida)
{
    EXPECT_EQ(raiz_cuadrada(6.25), 2.5);
    EXPECT_THROW(raiz_cuadrada(-1), fallo_aritmetico);
}

} // namespace
