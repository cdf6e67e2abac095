#pragma once

// Support for the table-driven tests of the pure computations.

#include "numerico/separadores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace prueba {

// Expected texts are written with "." as decimal point; this gives them as
// the locale of the test writes them.
inline std::u16string en_locale(std::u16string texto, numerico::Separadores sep)
{
    std::replace(texto.begin(), texto.end(), u'.', sep.decimal);
    return texto;
}

// Runs each row of a table in a "." and in a "," locale.
inline auto ambos_locales() { return testing::Values(numerico::separadores_punto, numerico::separadores_coma); }

// A row's test name: its `nombre`, with the locale it runs in, if any.
struct NombreDeFila {
    template <typename Fila>
    std::string operator()(const testing::TestParamInfo<Fila>& info) const
    {
        return std::string(info.param.nombre);
    }
    template <typename Fila>
    std::string operator()(const testing::TestParamInfo<std::tuple<Fila, numerico::Separadores>>& info) const
    {
        return std::string(std::get<0>(info.param).nombre) +
               (std::get<1>(info.param).decimal == u',' ? "_coma" : "_punto");
    }
};

} // namespace prueba
