#include "numerico/fallos.h"
#include "numerico/redondeo.h"

#include <gtest/gtest.h>

using namespace numerico;

namespace {

// x * m rounded to a whole number, ties to even, then / d; the tie is
// decided on the double product (2.0005 * 1000 = 2000.5000000000002).
TEST(RedondearConFactor, EmpatesAParEnElProductoDouble)
{
    const struct {
        const char* nombre;
        double x, m, esperado;
    } casos[] = {{"empate_baja_a_par", 0.0125, 1000, 0.012},
                 {"empate_sube_a_par", 0.0135, 1000, 0.014},
                 {"empate_a_cero", 0.0005, 1000, 0},
                 {"producto_sobre_el_empate", 2.0005, 1000, 2.001},
                 {"sube_al_entero", 999.9996, 1000, 1000},
                 {"negativo", -0.0125, 1000, -0.012},
                 {"centesimas", 0.125, 100, 0.12},
                 {"diezmilesimas", 0.00125, 10000, 0.0012},
                 {"frecuencia_de_diseno", 15.915494309189537, 1000, 15.915}};
    for (const auto& c : casos) {
        EXPECT_EQ(redondear_con_factor(c.x, c.m, c.m), c.esperado) << c.nombre;
        if (c.m == 1000) {
            EXPECT_EQ(redondear_3(c.x), c.esperado) << c.nombre;
        }
    }
    EXPECT_EQ(redondear_con_factor(2.5, 1, 10), 0.2); // rounded by one factor, scaled by the other
    EXPECT_THROW(redondear_3(1e306), fallo_aritmetico);
}

} // namespace
