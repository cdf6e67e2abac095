#include "redondeo.h"

#include "aritmetica.h"

#include <cmath>

namespace numerico {
namespace {

// Nearest whole number, an exact half going to the even neighbour. Done by
// hand rather than through the floating-point environment's rounding mode.
double entero_par_mas_cercano(double p)
{
    const double abajo = std::floor(p);
    const double resto = p - abajo; // exact: p and floor(p) are that close
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abajo, 2.0) != 0.0))
        return abajo + 1.0;
    return abajo;
}

} // namespace

double redondear_con_factor(double x, double m, double d)
{
    const double producto = multiplicar(x, m);
    return dividir(entero_par_mas_cercano(producto), d);
}

double redondear_3(double x) { return redondear_con_factor(x, 1000.0, 1000.0); }

} // namespace numerico
