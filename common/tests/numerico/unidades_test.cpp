#include "numerico/unidades.h"

#include <gtest/gtest.h>

using namespace numerico;

namespace {

// Only a whole, exact text of the list is a unit, in the window's writing.
TEST(Unidades, TextoEnteroExacto)
{
    const struct {
        const char* que;
        std::u16string_view texto;
        Grafia grafia;
        const Unidad* unidad;
    } casos[] = {
        {"nF", u"nF", Grafia::micro, &unidades_de_capacidad[1]},
        {"micro F", u"\u00b5F", Grafia::micro, &unidades_de_capacidad[0]},
        {"uF", u"uF", Grafia::u, &unidades_de_capacidad[0]},
        {"uF donde se escribe micro", u"uF", Grafia::micro, nullptr},
        {"micro F donde se escribe u", u"\u00b5F", Grafia::u, nullptr},
        {"a medias", u"n", Grafia::micro, nullptr},
        {"mayusculas", u"NF", Grafia::u, nullptr},
        {"con un blanco", u" nF", Grafia::u, nullptr},
        {"vacio", u"", Grafia::micro, nullptr},
    };
    for (const auto& c : casos)
        EXPECT_EQ(unidad_de_texto(c.texto, unidades_de_capacidad, c.grafia), c.unidad) << c.que;
}

TEST(Unidades, LaDelFactorEnVigor)
{
    EXPECT_EQ(unidad_de_factor(1e9, unidades_de_capacidad), &unidades_de_capacidad[1]);
    EXPECT_EQ(unidad_de_factor(1e3, unidades_de_capacidad), nullptr);
}

} // namespace
