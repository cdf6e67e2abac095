#include "lectura.h"

#include "fallos.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

namespace numerico {
namespace {

// The pieces of a decimal number as the readers collect them; only these
// digits ever reach the conversion.
struct Decimal {
    bool negativo = false;
    std::string digitos;        // integer and fractional digits, in order
    std::int64_t exponente = 0; // power of ten applied after the last digit
};

constexpr std::int64_t tope_exponente = 1'000'000'000;

bool es_digito(char16_t c) { return c >= u'0' && c <= u'9'; }

// Nearest double to the collected decimal. Beyond the double range is an
// overflow; below it the value rounds to zero.
double a_double(const Decimal& d)
{
    const auto primero = d.digitos.find_first_not_of('0');
    if (primero == std::string::npos)
        return d.negativo ? -0.0 : 0.0;
    const auto ultimo = d.digitos.find_last_not_of('0');
    const std::string_view significativas = std::string_view(d.digitos).substr(primero, ultimo - primero + 1);
    // value = 0.<significativas> * 10^ajustado
    const std::int64_t ajustado = d.exponente + static_cast<std::int64_t>(d.digitos.size() - primero);
    if (ajustado > 310)
        throw fallo_aritmetico(Causa::desbordamiento);
    if (ajustado < -330)
        return d.negativo ? -0.0 : 0.0;

    std::string texto = "0.";
    texto += significativas;
    texto += 'e';
    texto += std::to_string(ajustado);
    double valor = 0.0;
    const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (error == std::errc::result_out_of_range) {
        if (ajustado > 0)
            throw fallo_aritmetico(Causa::desbordamiento);
        valor = 0.0;
    }
    return d.negativo ? -valor : valor;
}

// What texto_a_numero trims from both ends of a text.
bool es_espacio_o_tabulador(char16_t c) { return c == u' ' || c == u'\t'; }

// Reads "[E|e][sign]digits" at i; on success moves i past it.
bool leer_exponente(std::u16string_view t, std::size_t& i, std::int64_t& exponente)
{
    std::size_t j = i;
    if (j >= t.size() || (t[j] != u'E' && t[j] != u'e'))
        return false;
    ++j;
    bool negativo = false;
    if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
        negativo = t[j++] == u'-';
    if (j >= t.size() || !es_digito(t[j]))
        return false;
    std::int64_t valor = 0;
    for (; j < t.size() && es_digito(t[j]); ++j)
        valor = std::min((valor * 10) + (t[j] - u'0'), tope_exponente);
    exponente = negativo ? -valor : valor;
    i = j;
    return true;
}

bool leer_signo(std::u16string_view t, std::size_t& i)
{
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        return t[i++] == u'-';
    return false;
}

void leer_fraccion(std::u16string_view t, std::size_t& i, Decimal& d)
{
    for (; i < t.size() && es_digito(t[i]); ++i) {
        d.digitos += static_cast<char>(t[i]);
        --d.exponente;
    }
}

// The number valor_de_texto reads from the start of a blank-free text, and
// how many characters it spans (0 when no digit was read).
std::size_t leer_numero_inicial(std::u16string_view t, Decimal& d)
{
    std::size_t i = 0;
    d.negativo = leer_signo(t, i);
    for (; i < t.size() && es_digito(t[i]); ++i)
        d.digitos += static_cast<char>(t[i]);
    if (i < t.size() && t[i] == u'.') {
        ++i;
        leer_fraccion(t, i, d);
    }
    if (d.digitos.empty())
        return 0;
    std::int64_t exponente = 0;
    if (leer_exponente(t, i, exponente))
        d.exponente += exponente;
    return i;
}

// What valor_de_texto drops wherever it stands: spaces, tabs and line feeds.
std::u16string sin_espacios_tabuladores_ni_saltos(std::u16string_view texto)
{
    std::u16string limpio;
    limpio.reserve(texto.size());
    for (const char16_t c : texto)
        if (c != u' ' && c != u'\t' && c != u'\n')
            limpio += c;
    return limpio;
}

[[noreturn]] void no_es_numero() { throw fallo_de_conversion(); }

} // namespace

double texto_a_numero(std::u16string_view texto, Separadores sep)
{
    std::u16string_view t = texto;
    while (!t.empty() && es_espacio_o_tabulador(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && es_espacio_o_tabulador(t.back()))
        t.remove_suffix(1);

    Decimal d;
    std::size_t i = 0;
    d.negativo = leer_signo(t, i);
    for (; i < t.size(); ++i) {
        if (es_digito(t[i]))
            d.digitos += static_cast<char>(t[i]);
        else if (t[i] == sep.grupo && i > 0 && es_digito(t[i - 1]) && i + 1 < t.size() && es_digito(t[i + 1]))
            continue;
        else
            break;
    }
    if (i < t.size() && t[i] == sep.decimal) {
        ++i;
        leer_fraccion(t, i, d);
    }
    if (d.digitos.empty())
        no_es_numero();
    if (i < t.size()) {
        std::int64_t exponente = 0;
        if (!leer_exponente(t, i, exponente) || i != t.size())
            no_es_numero();
        d.exponente += exponente;
    }
    return a_double(d);
}

double valor_de_texto(std::u16string_view texto)
{
    Decimal d;
    if (leer_numero_inicial(sin_espacios_tabuladores_ni_saltos(texto), d) == 0)
        return 0.0;
    return a_double(d);
}

bool es_numero_completo(std::u16string_view texto)
{
    const std::u16string limpio = sin_espacios_tabuladores_ni_saltos(texto);
    Decimal d;
    const std::size_t leido = leer_numero_inicial(limpio, d);
    return leido > 0 && leido == limpio.size();
}

} // namespace numerico
