#include "numerico/aritmetica.h"
#include "numerico/fallos.h"
#include "numerico/redondeo.h"

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
    Redondeo{"empate_exacto_binario", 0.0625, 0.062},
    Redondeo{"empate_exacto_binario_impar", 0.1875, 0.188},
    Redondeo{"ya_entero_grande", 1e300, 1e300}),
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

struct Paso {
    const char* nombre;
    double (*operacion)(double, double);
    double a;
    double b;
    fallo_aritmetico::causa causa;
};

class AritmeticaComprobada : public testing::TestWithParam<Paso> {};

TEST_P(AritmeticaComprobada, FallaEnElPaso)
{
    const Paso& p = GetParam();
    try {
        p.operacion(p.a, p.b);
        FAIL() << "sin fallo";
    } catch (const fallo_aritmetico& f) {
        EXPECT_EQ(f.motivo(), p.causa);
    }
}

constexpr double maximo = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Tabla, AritmeticaComprobada, testing::Values(
    Paso{"division_por_cero", dividir, 1, 0, fallo_aritmetico::causa::division_por_cero},
    Paso{"cero_entre_cero", dividir, 0, 0, fallo_aritmetico::causa::operacion_invalida},
    Paso{"cociente_desborda", dividir, 1, 1e-310, fallo_aritmetico::causa::desbordamiento},
    Paso{"producto_desborda", multiplicar, maximo, 2, fallo_aritmetico::causa::desbordamiento},
    Paso{"suma_desborda", sumar, maximo, maximo, fallo_aritmetico::causa::desbordamiento},
    Paso{"resta_desborda", restar, -maximo, maximo, fallo_aritmetico::causa::desbordamiento}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(AritmeticaComprobada, SubdesbordamientoNoEsFallo)
{
    EXPECT_EQ(multiplicar(1e-200, 1e-200), 0.0);
    EXPECT_EQ(dividir(1e-300, 1e100), 0.0);
    EXPECT_GT(dividir(1e-300, 1e10), 0.0);
}

TEST(AritmeticaComprobada, RaizDeNegativoEsInvalida)
{
    EXPECT_EQ(raiz_cuadrada(6.25), 2.5);
    EXPECT_THROW(raiz_cuadrada(-1), fallo_aritmetico);
}

} // namespace
