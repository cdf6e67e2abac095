#include "numerico/aritmetica.h"
#include "numerico/fallos.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace numerico;

namespace {

// Each failing step names its own cause; underflow is no failure.
TEST(AritmeticaComprobada, CadaPasoFallaConSuCausa)
{
    using enum Causa;
    constexpr double maximo = std::numeric_limits<double>::max();
    const struct {
        const char* nombre;
        std::function<void()> paso;
        Causa causa;
    } casos[] = {{"uno_entre_cero", [] { dividir(1, 0); }, division_por_cero},
                 {"entre_cero_negativo", [] { dividir(-1, -0.0); }, division_por_cero},
                 {"cero_entre_cero", [] { dividir(0, 0); }, operacion_invalida},
                 {"raiz_de_negativo", [] { raiz_cuadrada(-1); }, operacion_invalida},
                 {"cociente_desborda", [] { dividir(1, 1e-310); }, desbordamiento},
                 {"producto_desborda", [] { multiplicar(maximo, 2); }, desbordamiento},
                 {"suma_desborda", [] { sumar(maximo, maximo); }, desbordamiento}};
    for (const auto& c : casos) {
        try {
            c.paso();
            ADD_FAILURE() << c.nombre << ": no falla";
        } catch (const fallo_aritmetico& f) {
            EXPECT_EQ(f.causa(), c.causa) << c.nombre;
        }
    }
    EXPECT_EQ(multiplicar(1e-200, 1e-200), 0.0);
    EXPECT_EQ(raiz_cuadrada(6.25), 2.5);
}

} // namespace
