#include "resonancia.h"

#include "numerico/aritmetica.h"
#include "numerico/escala_frecuencia.h"
#include "numerico/escritura.h"
#include "numerico/fallos.h"
#include "numerico/lectura.h"
#include "numerico/redondeo.h"

namespace velorna {

using namespace numerico;

namespace {

// 2 pi cut to ten significant digits: velorna's results are computed with
// this value, not with the full double of 2 pi.
constexpr double dos_pi = 6.283185307;

bool solo_espacios(std::u16string_view texto) { return texto.find_first_not_of(u' ') == std::u16string_view::npos; }

// e = 1 / (4 pi^2 F^2), formed step by step with F = f x factor twice.
double inverso_de_cuatro_pi2_f2(double f, double esc_frec)
{
    const double a = dividir(1.0, multiplicar(f, esc_frec));
    const double b = dividir(a, dos_pi);
    const double d = multiplicar(b, dividir(1.0, multiplicar(f, esc_frec)));
    return dividir(d, dos_pi);
}

std::variant<Resultado, Rechazo> frecuencia(const Entradas& t, const Factores& k, Separadores sep)
{
    const double c = valor_de_texto(t.capa);
    const double l = valor_de_texto(t.indu);
    if (c == 0.0 || l == 0.0)
        return Rechazo::valor_cero;
    if (!es_numero_completo(t.capa) || !es_numero_completo(t.indu))
        return Rechazo::numero_invalido;

    const double s = raiz_cuadrada(multiplicar(dividir(c, k.capa), dividir(l, k.indu)));
    const double f = dividir(1.0, multiplicar(s, dos_pi));
    const Unidad& escala = escala_frecuencia(f);
    return Resultado{escala.simbolo, numero_a_texto(redondear_3(dividir(f, escala.factor)), sep)};
}

std::variant<Resultado, Rechazo> capacitancia(const Entradas& t, const Factores& k, Separadores sep)
{
    const double l = valor_de_texto(t.indu);
    const double f = valor_de_texto(t.frec);
    // The frequency is tested as the user's locale reads it; a text it
    // cannot read at all is no number either.
    if (solo_espacios(t.frec))
        return Rechazo::valor_cero;
    try {
        if (texto_a_numero(t.frec, sep) == 0.0)
            return Rechazo::valor_cero;
    } catch (const fallo_de_conversion&) {
        return Rechazo::numero_invalido;
    }
    if (l == 0.0)
        return Rechazo::valor_cero;
    if (!es_numero_completo(t.frec) || !es_numero_completo(t.indu))
        return Rechazo::numero_invalido;

    const double e = inverso_de_cuatro_pi2_f2(f, k.frec);
    const double capacidad = dividir(e, dividir(l, k.indu));
    return Resultado{std::nullopt, numero_a_texto(redondear_con_factor(capacidad, 1e18, 1e12), sep)};
}

std::variant<Resultado, Rechazo> inductancia(const Entradas& t, const Factores& k, Separadores sep)
{
    const double c = valor_de_texto(t.capa);
    const double f = valor_de_texto(t.frec);
    if (f == 0.0 || c == 0.0)
        return Rechazo::valor_cero;
    if (!es_numero_completo(t.capa) || !es_numero_completo(t.frec))
        return Rechazo::numero_invalido;

    const double e = inverso_de_cuatro_pi2_f2(f, k.frec);
    const double inductancia = dividir(e, dividir(c, k.capa));
    return Resultado{std::nullopt, numero_a_texto(redondear_con_factor(inductancia, 1e12, 1000000.0), sep)};
}

} // namespace

std::variant<Resultado, Rechazo> resolver(Parametro parametro, const Entradas& entradas, const Factores& factores,
                                          Separadores sep)
{
    switch (parametro) {
    case Parametro::frecuencia:
        return frecuencia(entradas, factores, sep);
    case Parametro::capacitancia:
        return capacitancia(entradas, factores, sep);
    case Parametro::inductancia:
        break;
    }
    return inductancia(entradas, factores, sep);
}

} // namespace velorna
