#pragma once

#include <string_view>

namespace numerico {

struct EscalaFrecuencia {
    double divisor;
    std::u16string_view unidad;
};

// The unit of a frequency in hertz by size: from 1000000 up "MHz", from 1000
// up "KHz", below that "Hz".
EscalaFrecuencia escala_frecuencia(double hercios);

} // namespace numerico
