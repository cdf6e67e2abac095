#pragma once

namespace numerico {

// (x * m) rounded to a whole number, ties to even, then divided by d. The
// tie test is made on the double product, so 0.0125 * 1000 = 12.5 goes to
// 12 while 2.0005 * 1000 = 2000.5000000000002 goes to 2001. Both steps are
// checked (fallo_aritmetico).
double redondear_con_factor(double x, double m, double d);

// x rounded to three decimals.
double redondear_3(double x);

} // namespace numerico
