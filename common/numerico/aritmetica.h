#pragma once

// Checked double arithmetic. Every computation of the calculators goes
// through these, one call per written step and in the written order, so a
// step that divides by zero, overflows or is invalid throws fallo_aritmetico
// at once instead of carrying an infinity or a NaN into later steps.
// Underflow to zero or to a subnormal is no failure.

namespace numerico {

double sumar(double a, double b);
double multiplicar(double a, double b);
double dividir(double a, double b);
double raiz_cuadrada(double a);

} // namespace numerico
