#include "numerico/escritura.h"
#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <random>

using namespace numerico;

namespace {

// What numero_a_texto writes has no grouping, no "+" and no trailing zero
// after the separator, and reads back as the value rounded to 15 significant
// digits; past the double range (within 15 digits of its top) it reads as an
// overflow.
void se_lee_de_vuelta(double x, Separadores sep)
{
    if (!std::isfinite(x))
        return;
    const std::u16string texto = numero_a_texto(x, sep);
    const std::u16string mantisa = texto.substr(0, texto.find(u'E'));
    ASSERT_TRUE(texto.front() != u'+' && texto.find(sep.grupo) == std::u16string::npos) << x;
    ASSERT_TRUE(mantisa.find(sep.decimal) == std::u16string::npos ||
                (mantisa.back() != u'0' && mantisa.back() != sep.decimal))
        << x;
    char quince[48];
    const auto fin = std::to_chars(quince, quince + sizeof quince, x, std::chars_format::scientific, 14).ptr;
    double redondeado = 0;
    if (std::from_chars(quince, fin, redondeado).ec == std::errc())
        ASSERT_EQ(texto_a_numero(texto, sep), redondeado) << x;
    else
        ASSERT_THROW(texto_a_numero(texto, sep), fallo_aritmetico) << x;
}

// The text read in the locale, or NaN where it is refused as the rules
// refuse it; a text read is a finite number.
double leido(const std::u16string& texto, Separadores sep)
{
    try {
        const double x = texto_a_numero(texto, sep);
        EXPECT_TRUE(std::isfinite(x));
        return x;
    } catch (const fallo_numerico&) {
        return NAN;
    }
}

// Texts of the characters numbers are written with, at random (the same each
// run), and doubles of random bits: every text is read or refused, and each
// value read, or drawn, is written so that it reads back.
TEST(TextosAlAzar, SeLeenOSeRechazanYSeEscribenDeVuelta)
{
    std::mt19937_64 azar(20261208);
    const std::u16string letras = u"0123456789.,eE+- \t\n.,00x";
    for (int i = 0; i < 50000; ++i) {
        std::u16string texto(azar() % 16, u' ');
        for (char16_t& c : texto)
            c = letras[azar() % letras.size()];
        for (const Separadores sep : {separadores_punto, separadores_coma})
            for (const double x : {leido(texto, sep), std::bit_cast<double>(azar())})
                se_lee_de_vuelta(x, sep);
        try {
            EXPECT_TRUE(std::isfinite(valor_de_texto(texto)));
        } catch (const fallo_aritmetico&) {
        }
    }
}

} // namespace
