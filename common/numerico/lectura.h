#pragma once

#include "separadores.h"

#include <string_view>

// The two ways of reading a number from text.

namespace numerico {

// Reads the whole text as a number in the user's locale: blanks around it
// are ignored; an optional sign, digits (the grouping separator may stand
// between digits of the integer part), optionally the decimal separator and
// digits, optionally an exponent (E or e, optional sign, digits). At least
// one digit must come before the exponent. Anything else throws
// fallo_de_conversion; a number beyond the double range throws
// fallo_aritmetico, one too small for it reads as zero.
double texto_a_numero(std::u16string_view texto, Separadores sep);

// Reads the leading number of a text, whatever the locale: every space, tab
// and line feed is dropped first, "." is the only decimal point, and reading
// stops at the first character that cannot continue the number. A text
// without a leading number reads as 0. Throws fallo_aritmetico only for a
// number beyond the double range.
double valor_de_texto(std::u16string_view texto);

// True when valor_de_texto reads a number that spans the whole text, once
// the blanks it drops are gone: "2.2" is whole, "2,2" and "12abc" are not.
bool es_numero_completo(std::u16string_view texto);

} // namespace numerico
