#include "fallos.h"

namespace numerico {

// For a log or a debugger; the user reads the window's own words.
const char* fallo_numerico::what() const noexcept
{
    switch (causa_) {
    case Causa::no_es_numero:
        return "no_es_numero";
    case Causa::division_por_cero:
        return "division_por_cero";
    case Causa::desbordamiento:
        return "desbordamiento";
    case Causa::operacion_invalida:
        break;
    }
    return "operacion_invalida";
}

} // namespace numerico
