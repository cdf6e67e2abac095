#include "escala_frecuencia.h"

namespace numerico {

const Unidad& escala_frecuencia(double hercios)
{
    const auto& [hz, khz, mhz] = unidades_de_frecuencia;
    if (hercios >= mhz.factor)
        return mhz;
    if (hercios >= khz.factor)
        return khz;
    return hz;
}

} // namespace numerico
