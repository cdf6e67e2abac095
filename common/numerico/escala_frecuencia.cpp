#include "escala_frecuencia.h"

namespace numerico {

EscalaFrecuencia escala_frecuencia(double hercios)
{
    if (hercios >= 1000000.0)
        return {1000000.0, u"MHz"};
    if (hercios >= 1000.0)
        return {1000.0, u"KHz"};
    return {1.0, u"Hz"};
}

} // namespace numerico
