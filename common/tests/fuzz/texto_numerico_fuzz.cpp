// libFuzzer target for the numeric text rules. The first byte picks the
// locale (odd: "," as decimal separator and "." for grouping; even: the other
// way round), the rest is the text, one character per byte; the same bytes also give a double to write and read
// back. Built and run by tools/fuzz.

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

// x rounded to 15 significant digits, as numero_a_texto writes it; false
// when that rounding leaves the double range (within 15 digits of its top).
bool a_quince_cifras(double x, double& redondeado)
{
    char texto[48];
    const auto fin = std::to_chars(texto, texto + sizeof texto, x, std::chars_format::scientific, 14).ptr;
    return std::from_chars(texto, fin, redondeado).ec == std::errc();
}

// What numero_a_texto writes reads back as the value rounded to 15 digits,
// without grouping, leading "+" or trailing zeros after the separator.
void comprobar_escritura(double x, Separadores sep)
{
    if (!std::isfinite(x))
        return;
    const std::u16string texto = numero_a_texto(x, sep);
    exigir(!texto.empty() && texto.front() != u'+' && texto.find(sep.grupo) == std::u16string::npos);
    const std::u16string mantisa = texto.substr(0, texto.find(u'E'));
    if (mantisa.find(sep.decimal) != std::u16string::npos)
        exigir(mantisa.back() != u'0' && mantisa.back() != sep.decimal);
    double redondeado = 0;
    if (a_quince_cifras(x, redondeado)) {
        exigir(texto_a_numero(texto, sep) == redondeado);
    } else {
        try {
            texto_a_numero(texto, sep);
            exigir(false);
        } catch (const fallo_aritmetico&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    if (tamano == 0)
        return 0;
    const Separadores sep = datos[0] % 2 ? separadores_coma : separadores_punto;
    std::u16string texto(datos + 1, datos + tamano); // one character per byte

    try {
        const double x = texto_a_numero(texto, sep);
        exigir(!std::isnan(x) && !std::isinf(x));
        comprobar_escritura(x, sep);
    } catch (const fallo_numerico&) {
    }

    try {
        const double v = valor_de_texto(texto);
        exigir(std::isfinite(v));
        // A whole number without commas reads the same both ways.
        if (es_numero_completo(texto) && texto.find(u',') == std::u16string::npos) {
            std::u16string sin_blancos;
            for (char16_t c : texto)
                if (c != u' ' && c != u'\t' && c != u'\n')
                    sin_blancos += c;
            exigir(texto_a_numero(sin_blancos, separadores_punto) == v);
        }
    } catch (const fallo_aritmetico&) {
    }

    if (tamano >= 1 + sizeof(double)) {
        double x = 0;
        std::memcpy(&x, datos + 1, sizeof x);
        comprobar_escritura(x, sep);
    }
    return 0;
}
