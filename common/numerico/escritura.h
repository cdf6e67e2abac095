#pragma once

#include "separadores.h"

#include <cstdint>
#include <string>

namespace numerico {

// Writes x rounded to 15 significant digits, with the locale's decimal
// separator and no trailing zeros, never a grouping separator or a "+"
// in front. Plain notation for decimal exponents from -4 to 14, exponent
// notation otherwise ("1E+15", "1.5E-07"). Zero of either sign is "0".
std::u16string numero_a_texto(double x, Separadores sep);

// The decimal digits of n, with "-" in front when negative.
std::u16string numero_a_texto(std::int32_t n);

} // namespace numerico
