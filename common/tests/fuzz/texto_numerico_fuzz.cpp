// libFuzzer target for the numeric text rules, built and run by tests/fuzz.
// The first byte picks the locale (odd: "," as decimal separator), the rest is
// the text, one character per byte; the same bytes also give a double.

#include "numerico/escritura.h"
#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace numerico;

namespace {

void exigir(bool condicion)
{
    if (!condicion)
        std::abort();
}

// What numero_a_texto writes has no grouping, no "+" in front and no
// trailing zero after the separator, and reads back as the value rounded to
// 15 significant digits; past the double range (within 15 digits of its
// top) it reads as an overflow.
void comprobar_escritura(double x, Separadores sep)
{
    if (!std::isfinite(x))
        return;
    const std::u16string texto = numero_a_texto(x, sep);
    const std::u16string mantisa = texto.substr(0, texto.find(u'E'));
    exigir(texto.front() != u'+' && texto.find(sep.grupo) == std::u16string::npos && mantisa.back() != sep.decimal);
    exigir(mantisa.find(sep.decimal) == std::u16string::npos || mantisa.back() != u'0');
    char quince[48];
    const auto fin = std::to_chars(quince, quince + sizeof quince, x, std::chars_format::scientific, 14).ptr;
    double redondeado = 0;
    const bool en_rango = std::from_chars(quince, fin, redondeado).ec == std::errc();
    try {
        const double leido = texto_a_numero(texto, sep);
        exigir(en_rango && leido == redondeado);
    } catch (const fallo_aritmetico&) {
        exigir(!en_rango);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    if (tamano == 0)
        return 0;
    const Separadores sep = datos[0] % 2 ? separadores_coma : separadores_punto;
    const std::u16string texto(datos + 1, datos + tamano);
    try {
        comprobar_escritura(texto_a_numero(texto, sep), sep);
    } catch (const fallo_numerico&) {
    }
    try {
        exigir(std::isfinite(valor_de_texto(texto)));
    } catch (const fallo_aritmetico&) {
    }
    if (tamano >= 1 + sizeof(double)) {
        double x = 0;
        std::memcpy(&x, datos + 1, sizeof x);
        comprobar_escritura(x, sep);
    }
    return 0;
}
