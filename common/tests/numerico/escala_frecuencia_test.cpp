#include "numerico/escala_frecuencia.h"

#include <gtest/gtest.h>

using namespace numerico;

namespace {

TEST(EscalaFrecuencia, UmbralesExactos)
{
    const struct {
        const char* nombre;
        double hercios, divisor;
        std::u16string_view unidad;
    } casos[] = {{"bajo_mil", 999.999, 1.0, u"Hz"},
                 {"mil", 1000.0, 1e3, u"KHz"},
                 {"bajo_un_millon", 999999.999, 1e3, u"KHz"},
                 {"un_millon", 1e6, 1e6, u"MHz"}};
    for (const auto& c : casos) {
        EXPECT_EQ(escala_frecuencia(c.hercios).factor, c.divisor) << c.nombre;
        EXPECT_EQ(escala_frecuencia(c.hercios).simbolo, c.unidad) << c.nombre;
    }
}

} // namespace
