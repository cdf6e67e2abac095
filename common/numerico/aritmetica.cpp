#include "aritmetica.h"

#include "fallos.h"

#include <cmath>

namespace numerico {
namespace {

const char* texto_de(fallo_aritmetico::causa c)
{
    switch (c) {
    case fallo_aritmetico::causa::division_por_cero:
        return "El cálculo intentó dividir por cero.";
    case fallo_aritmetico::causa::desbordamiento:
        return "Un valor del cálculo es demasiado grande.";
    case fallo_aritmetico::causa::operacion_invalida:
        break;
    }
    return "El cálculo no tiene un resultado válido.";
}

double comprobado(double r)
{
    if (std::isnan(r))
        throw fallo_aritmetico(fallo_aritmetico::causa::operacion_invalida);
    if (std::isinf(r))
        throw fallo_aritmetico(fallo_aritmetico::causa::desbordamiento);
    return r;
}

} // namespace

fallo_aritmetico::fallo_aritmetico(causa c)
    : fallo_numerico(texto_de(c))
    , motivo_(c)
{
}

double sumar(double a, double b) { return comprobado(a + b); }
double restar(double a, double b) { return comprobado(a - b); }
double multiplicar(double a, double b) { return comprobado(a * b); }

double dividir(double a, double b)
{
    if (b == 0.0 && a != 0.0 && !std::isnan(a))
        throw fallo_aritmetico(fallo_aritmetico::causa::division_por_cero);
    return comprobado(a / b);
}

double raiz_cuadrada(double a) { return comprobado(std::sqrt(a)); }

} // namespace numerico
