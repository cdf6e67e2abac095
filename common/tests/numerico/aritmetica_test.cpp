#include "numerico/aritmetica.h"
#include "numerico/fallos.h"

#include <gtest/gtest.h>

#include <limits>

using namespace numerico;

namespace {

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

} // namespace
