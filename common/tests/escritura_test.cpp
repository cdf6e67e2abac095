#include "numerico/escritura.h"
#include "numerico/lectura.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace numerico;

namespace {

struct Escritura {
    const char* nombre;
    double valor;
    std::u16string punto;
    std::u16string coma;
};

class NumeroATexto : public testing::TestWithParam<Escritura> {};

TEST_P(NumeroATexto, EscribeQuinceCifrasSinCerosFinales)
{
    const Escritura& e = GetParam();
    EXPECT_EQ(numero_a_texto(e.valor, separadores_punto), e.punto);
    EXPECT_EQ(numero_a_texto(e.valor, separadores_coma), e.coma);
}

INSTANTIATE_TEST_SUITE_P(Tabla, NumeroATexto, testing::Values(
    Escritura{"decimales", 15.915, u"15.915", u"15,915"},
    Escritura{"entero", 1000, u"1000", u"1000"},
    Escritura{"medio", 0.5, u"0.5", u"0,5"},
    Escritura{"suma_inexacta", 0.1 + 0.2, u"0.3", u"0,3"},
    Escritura{"tercio", 1.0 / 3.0, u"0.333333333333333", u"0,333333333333333"},
    Escritura{"quince_cifras_enteras", 123456789012345, u"123456789012345", u"123456789012345"},
    Escritura{"mil_billones", 1e15, u"1E+15", u"1E+15"},
    Escritura{"redondeo_sube_de_exponente", 999999999999999.9, u"1E+15", u"1E+15"},
    Escritura{"diezmilesima", 0.0001, u"0.0001", u"0,0001"},
    Escritura{"cienmilesima", 0.00001, u"1E-05", u"1E-05"},
    Escritura{"exponente_con_fraccion", 1.5e-7, u"1.5E-07", u"1,5E-07"},
    Escritura{"exponente_de_tres_cifras", -2.5e-300, u"-2.5E-300", u"-2,5E-300"},
    Escritura{"grande_con_fraccion", 6.02214076e23, u"6.02214076E+23", u"6,02214076E+23"},
    Escritura{"negativo", -2, u"-2", u"-2"},
    Escritura{"cero_negativo", -0.0, u"0", u"0"},
    Escritura{"sin_cero_final", 2.50, u"2.5", u"2,5"},
    Escritura{"tres_punto_cero", 3.0, u"3", u"3"},
    Escritura{"fraccion_con_ceros", 0.0012, u"0.0012", u"0,0012"},
    Escritura{"entero_largo_con_ceros", 120000000000000, u"120000000000000", u"120000000000000"},
    Escritura{"mayor_double", std::numeric_limits<double>::max(), u"1.79769313486232E+308", u"1,79769313486232E+308"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(NumeroATexto, EnteroDeTreintaYDosBits)
{
    EXPECT_EQ(numero_a_texto(std::int32_t{0}), u"0");
    EXPECT_EQ(numero_a_texto(std::int32_t{16}), u"16");
    EXPECT_EQ(numero_a_texto(std::numeric_limits<std::int32_t>::min()), u"-2147483648");
}

// A decimal of at most 15 significant digits, drawn over a wide range of
// exponents, is the double nearest to it; what numero_a_texto writes of it
// must read back as the very same double, and look like a plain number.
TEST(NumeroATexto, SeLeeDeVueltaIgualEnAmbosLocales)
{
    std::mt19937_64 azar(20261206);
    std::uniform_int_distribution<int> cuantas_cifras(1, 15);
    std::uniform_int_distribution<int> cifra(0, 9);
    std::uniform_int_distribution<int> exponente(-300, 300);
    for (int vuelta = 0; vuelta < 20000; ++vuelta) {
        std::string decimal = vuelta % 2 ? "-" : "";
        const int cifras = cuantas_cifras(azar);
        decimal += static_cast<char>('1' + cifra(azar) % 9);
        decimal += '.';
        for (int i = 1; i < cifras; ++i)
            decimal += static_cast<char>('0' + cifra(azar));
        decimal += 'e' + std::to_string(vuelta % 4 ? exponente(azar) : exponente(azar) % 20);
        double x = 0;
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), x);

        for (const Separadores sep : {separadores_punto, separadores_coma}) {
            const std::u16string texto = numero_a_texto(x, sep);
            ASSERT_EQ(texto_a_numero(texto, sep), x) << decimal;
            ASSERT_EQ(texto.find(sep.grupo), std::u16string::npos) << decimal;
            ASSERT_NE(texto.front(), u'+') << decimal;
            const std::u16string mantisa = texto.substr(0, texto.find(u'E'));
            if (mantisa.find(sep.decimal) != std::u16string::npos) {
                ASSERT_NE(mantisa.back(), u'0') << decimal;
            }
            ASSERT_NE(mantisa.back(), sep.decimal) << decimal;
        }
    }
}

} // namespace
