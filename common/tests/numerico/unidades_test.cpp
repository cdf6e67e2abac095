#include "numerico/unidades.h"

#include <gtest/gtest.h>

using namespace numerico;

namespace {

// Only a whole, exact text of the list is a unit, in the window's writing.
TEST(Unidades, TextoEnteroExacto)
{
    const struct {
        std::u16string_view texto;
        Grafia grafia;
        const Unidad* unidad;
    } casos[] = {
        {u"nF", Grafia::micro, &unidades_de_capacidad[1]},
        {u"\u00b5F", Grafia::micro, &unidades_de_capacidad[0]},
        {u"uF", Grafia::u, &unidades_de_capacidad[0]},
        {u"uF", Grafia::micro, nullptr},
        {u"\u00b5F", Grafia::u, nullptr},
        {u"n", Grafia::micro, nullptr},
        {u"NF", Grafia::u, nullptr},
        {u" nF", Grafia::u, nullptr},
        {u"", Grafia::micro, nullptr},
    };
    for (const auto& c : casos)
        EXPECT_EQ(unidad_de_texto(c.texto, unidades_de_capacidad, c.grafia), c.unidad)
            << std::string(c.texto.begin(), c.texto.end());
}

TEST(Unidades, LaDelFactorEnVigor)
{
    EXPECT_EQ(unidad_de_factor(1e9, unidades_de_capacidad), &unidades_de_capacidad[1]);
    EXPECT_EQ(unidad_de_factor(1e3, unidades_de_capacidad), nullptr);
}

} // namespace
