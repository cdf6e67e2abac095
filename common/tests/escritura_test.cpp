#include "numerico/escritura.h"
#include "numerico/lectura.h"

#include "soporte/tablas.h"

#include <charconv>
#include <limits>
#include <random>

using namespace numerico;

namespace {

struct Escritura {
    const char* nombre;
    double valor;
    std::u16string punto; // with "." as decimal separator; "," gives the same with ","
};

class NumeroATexto : public testing::TestWithParam<Escritura> {};

TEST_P(NumeroATexto, QuinceCifrasSinCerosFinales)
{
    const Escritura& e = GetParam();
    EXPECT_EQ(numero_a_texto(e.valor, separadores_punto), e.punto);
    EXPECT_EQ(numero_a_texto(e.valor, separadores_coma), prueba::en_locale(e.punto, separadores_coma));
}

const Escritura escrituras[] = {
    {"decimales", 15.915, u"15.915"},
    {"suma_inexacta", 0.1 + 0.2, u"0.3"},
    {"quince_cifras_enteras", 123456789012345, u"123456789012345"},
    {"entero_con_ceros", 120000000000000, u"120000000000000"},
    {"mil_billones", 1e15, u"1E+15"},
    {"redondeo_sube_de_exponente", 999999999999999.9, u"1E+15"},
    {"diezmilesima", 0.0001, u"0.0001"},
    {"fraccion_con_ceros", -0.0012, u"-0.0012"},
    {"cienmilesima", 0.00001, u"1E-05"},
    {"exponente_con_fraccion", 1.5e-7, u"1.5E-07"},
    {"exponente_de_dos_cifras", 1e-10, u"1E-10"},
    {"exponente_de_tres_cifras", -2.5e-300, u"-2.5E-300"},
    {"cero_negativo", -0.0, u"0"},
    {"mayor_double", std::numeric_limits<double>::max(), u"1.79769313486232E+308"},
};
INSTANTIATE_TEST_SUITE_P(Tabla, NumeroATexto, testing::ValuesIn(escrituras), prueba::NombreDeFila());

TEST(NumeroATexto, EnteroDeTreintaYDosBits)
{
    EXPECT_EQ(numero_a_texto(std::int32_t{16}), u"16");
    EXPECT_EQ(numero_a_texto(std::numeric_limits<std::int32_t>::min()), u"-2147483648");
}

// A decimal of at most 15 significant digits is the double nearest to it:
// what numero_a_texto writes of it reads back as that very double, with no
// grouping and no trailing zero or separator.
TEST(NumeroATexto, SeLeeDeVueltaIgualEnAmbosLocales)
{
    std::mt19937_64 azar(20261206);
    std::uniform_int_distribution<int> cifra(0, 9);
    std::uniform_int_distribution<int> exponente(-300, 300);
    for (int vuelta = 0; vuelta < 5000; ++vuelta) {
        std::string decimal = vuelta % 2 ? "-" : "";
        decimal += static_cast<char>('1' + cifra(azar) % 9);
        decimal += '.';
        for (int i = 1 + vuelta % 15; i > 1; --i)
            decimal += static_cast<char>('0' + cifra(azar));
        decimal += 'e' + std::to_string(vuelta % 4 ? exponente(azar) : exponente(azar) % 20);
        double x = 0;
        std::from_chars(decimal.data(), decimal.data() + decimal.size(), x);
        for (const Separadores sep : {separadores_punto, separadores_coma}) {
            const std::u16string texto = numero_a_texto(x, sep);
            ASSERT_EQ(texto_a_numero(texto, sep), x) << decimal;
            const std::u16string mantisa = texto.substr(0, texto.find(u'E'));
            ASSERT_EQ(texto.find(sep.grupo), std::u16string::npos) << decimal;
            ASSERT_TRUE(mantisa.back() != sep.decimal &&
                        (mantisa.find(sep.decimal) == std::u16string::npos || mantisa.back() != u'0'))
                << decimal;
        }
    }
}

} // namespace
