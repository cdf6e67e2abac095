#include "aritmetica.h"

#include "fallos.h"

#include <cmath>

namespace numerico {
namespace {

double comprobado(double r)
{
    if (std::isnan(r))
        throw fallo_aritmetico(Causa::operacion_invalida);
    if (std::isinf(r))
        throw fallo_aritmetico(Causa::desbordamiento);
    return r;
}

} // namespace

double sumar(double a, double b) { return comprobado(a + b); }
double multiplicar(double a, double b) { return comprobado(a * b); }

double dividir(double a, double b)
{
    if (b == 0.0 && a != 0.0 && !std::isnan(a))
        throw fallo_aritmetico(Causa::division_por_cero);
    return comprobado(a / b);
}

double raiz_cuadrada(double a) { return comprobado(std::sqrt(a)); }

} // namespace numerico
