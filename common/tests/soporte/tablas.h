#pragma once

// Support for the table-driven tests of the pure computations.

#include "numerico/separadores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace prueba {

// Expected texts are written with "." as decimal point; this gives them as
// the locale of the test writes them.
inline std::u16string en_locale(std::u16string texto, numerico::Separadores sep)
{
    std::replace(texto.begin(), texto.end(), u'.', sep.decimal);
    return texto;
}

} // namespace prueba
