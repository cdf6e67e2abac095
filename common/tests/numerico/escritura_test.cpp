#include "numerico/escritura.h"

#include "soporte/tablas.h"

#include <limits>

using namespace numerico;

namespace {

// 15 significant digits at most, no trailing zeros, the locale's separator;
// the exponent form below 0.0001 and from 1E+15 up.
TEST(NumeroATexto, QuinceCifrasSinCerosFinales)
{
    const struct {
        const char* nombre;
        double valor;
        std::u16string punto; // with "." as decimal separator; "," gives the same with ","
    } escrituras[] = {
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
    for (const auto& e : escrituras) {
        EXPECT_EQ(numero_a_texto(e.valor, separadores_punto), e.punto) << e.nombre;
        EXPECT_EQ(numero_a_texto(e.valor, separadores_coma), prueba::en_locale(e.punto, separadores_coma)) << e.nombre;
    }
}

} // namespace
