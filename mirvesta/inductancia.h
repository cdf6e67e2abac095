#pragma once

#include "numerico/separadores.h"

#include <cstdint>
#include <string>

namespace mirvesta {

// The sliders' positions: the length in tenths of a centimetre, the turns
// one by one, the radius in sixteenths of an inch.
inline constexpr double posiciones_por_centimetro = 10.0;
inline constexpr double dieciseisavos_por_pulgada = 16.0;

// The slider read-outs. Length: tenths of a centimetre as centimetres, in
// the user's locale. Turns: the count. Radius: sixteenths of an inch, never
// reduced, and the same radius in centimetres at 2.5 cm to the inch, rounded
// to two decimals with ties to even; both radius texts begin with a blank
// and always use "." (numero_a_texto_con_signo).
std::u16string lectura_de_longitud(std::int32_t decimas_de_cm, numerico::Separadores sep);
std::u16string lectura_de_espiras(std::int32_t espiras);
std::u16string lectura_de_radio(std::int32_t dieciseisavos);
std::u16string lectura_de_radio_en_cm(std::int32_t dieciseisavos);

// numero_a_texto with "." whatever the locale and a blank in front of a
// number that is zero or positive.
std::u16string numero_a_texto_con_signo(double x);

struct Inductancia {
    double numerador;     // R^2 n^2
    double denominador;   // 9 R + 25 l
    double inductancia;   // microhenries, before rounding
    std::u16string texto; // rounded to four decimals, in the user's locale
};

// L = R^2 n^2 / (9 R + 25 l) in microhenries, R in inches (radius / 16), n the
// turns and l in centimetres (length / 10). Throws fallo_aritmetico at a
// failing step, n x n included.
Inductancia calcular_inductancia(std::int32_t radio, std::int32_t espiras, std::int32_t longitud,
                                 numerico::Separadores sep);

} // namespace mirvesta
