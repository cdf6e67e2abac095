#include "numerico/unidades.h"

#include <gtest/gtest.h>

using namespace numerico;

namespace {

TEST(Unidades, TextoEnteroExactoOElFactorQueHabia)
{
    constexpr Unidad unidades[] = {{u"\u00b5F", 1e6, u"microfaradios"}, {u"nF", 1e9, u"nanofaradios"}};
    EXPECT_EQ(factor_de_unidad(u"nF", unidades, 1e6), 1e9);
    EXPECT_EQ(factor_de_unidad(u"\u00b5F", unidades, 1e9), 1e6);
    for (const std::u16string_view otro : {u"n", u"NF", u" nF", u"uF", u""})
        EXPECT_EQ(factor_de_unidad(otro, unidades, 1e12), 1e12) << std::string(otro.begin(), otro.end());
    EXPECT_EQ(unidad_de_factor(1e9, unidades), &unidades[1]);
    EXPECT_EQ(unidad_de_factor(1e12, unidades), nullptr);
}

} // namespace
