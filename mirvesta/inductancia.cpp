#include "inductancia.h"

#include "numerico/aritmetica.h"
#include "numerico/escritura.h"
#include "numerico/fallos.h"
#include "numerico/redondeo.h"

#include <limits>

namespace mirvesta {

using namespace numerico;

namespace {

// 2.5 cm to the inch, as the window's note says; not 2.54.
constexpr double centimetros_por_pulgada = 2.5;

double en_pulgadas(std::int32_t dieciseisavos)
{
    return dividir(static_cast<double>(dieciseisavos), dieciseisavos_por_pulgada);
}

// n x n in 32-bit integers, as the turns count is kept; a square beyond
// their range is an overflow.
std::int32_t cuadrado_entero(std::int32_t n)
{
    const std::int64_t producto = std::int64_t{n} * n;
    if (producto > std::numeric_limits<std::int32_t>::max())
        throw fallo_aritmetico(Causa::desbordamiento);
    return static_cast<std::int32_t>(producto);
}

} // namespace

std::u16string numero_a_texto_con_signo(double x)
{
    std::u16string texto = numero_a_texto(x, separadores_punto);
    return texto.front() == u'-' ? texto : u' ' + texto;
}

std::u16string lectura_de_longitud(std::int32_t decimas_de_cm, Separadores sep)
{
    return numero_a_texto(dividir(static_cast<double>(decimas_de_cm), posiciones_por_centimetro), sep);
}

std::u16string lectura_de_espiras(std::int32_t espiras) { return numero_a_texto(espiras); }

std::u16string lectura_de_radio(std::int32_t dieciseisavos)
{
    return numero_a_texto_con_signo(dieciseisavos) + u" /" + u" 16\"";
}

std::u16string lectura_de_radio_en_cm(std::int32_t dieciseisavos)
{
    const double cm = multiplicar(en_pulgadas(dieciseisavos), centimetros_por_pulgada);
    return numero_a_texto_con_signo(redondear_con_factor(cm, 100.0, 100.0)) + u" cm";
}

Inductancia calcular_inductancia(std::int32_t radio, std::int32_t espiras, std::int32_t longitud, Separadores sep)
{
    const double r = en_pulgadas(radio);
    const auto m = static_cast<double>(cuadrado_entero(espiras));
    Inductancia l{};
    l.numerador = multiplicar(multiplicar(r, r), m);
    const double termino_de_longitud =
        multiplicar(dividir(static_cast<double>(longitud), posiciones_por_centimetro), 25.0);
    l.denominador = sumar(multiplicar(r, 9.0), termino_de_longitud);
    l.inductancia = dividir(l.numerador, l.denominador);
    l.texto = numero_a_texto(redondear_con_factor(l.inductancia, 10000.0, 10000.0), sep);
    return l;
}

} // namespace mirvesta
