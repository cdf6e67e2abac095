#pragma once

#include "numerico/separadores.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace filtros {

// The read-out of a slider position: position / escala, written as text.
// R uses escala 10 (tenths of a kilo-ohm), C uses 100.
std::u16string lectura_de_deslizador(std::int32_t posicion, double escala, numerico::Separadores sep);

struct FrecuenciaDeCorte {
    std::u16string_view unidad; // "Hz", "KHz" or "MHz"
    std::u16string valor;
};

// The cut-off frequency of the RC section from the R read-out (kilo-ohms) and
// the C read-out (in the unit whose divisor is divisor_c): 1 / (R C) for
// band-pass, 1 / (6.283184 R C) otherwise, rounded to three decimals before
// the unit is chosen and rounded again after scaling. Throws the failures
// of the numeric rules at the step where they arise.
FrecuenciaDeCorte calcular_frecuencia_corte(std::u16string_view texto_r, std::u16string_view texto_c, double divisor_c,
                                            bool pasa_banda, numerico::Separadores sep);

} // namespace filtros
