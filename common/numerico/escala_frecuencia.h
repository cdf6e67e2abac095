#pragma once

#include "unidades.h"

namespace numerico {

// The unit of a frequency in hertz by size, from unidades_de_frecuencia:
// from 1000000 up "MHz", from 1000 up "KHz", below that "Hz". Its factor is
// what the frequency is divided by to be shown in it.
const Unidad& escala_frecuencia(double hercios);

} // namespace numerico
