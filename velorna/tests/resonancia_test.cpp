#include "resonancia.h"

#include "numerico/fallos.h"

#include "soporte/tablas.h"

using namespace velorna;
using numerico::Separadores;

namespace {

// The factors of the unit texts, looked up in the window's unit tables.
Factores en(std::u16string_view capa = u"\u00b5F", std::u16string_view indu = u"\u00b5H",
            std::u16string_view frec = u"MHz")
{
    using namespace numerico;
    return {.frec = unidad_de_texto(frec, unidades_de_frecuencia, Grafia::micro)->factor,
            .capa = unidad_de_texto(capa, unidades_de_capacidad, Grafia::micro)->factor,
            .indu = unidad_de_texto(indu, unidades_de_inductancia, Grafia::micro)->factor};
}

// What a click on "Calcular" gives: "unit|value" for a result, with the unit
// the result frame shows for it, the refusal, or "fallo" for a step that could
// not be computed.
std::u16string resolver_como_texto(Parametro p, const Entradas& e, const Factores& k, Separadores sep)
{
    std::variant<Resultado, Rechazo> solucion;
    try {
        solucion = resolver(p, e, k, sep);
    } catch (const numerico::fallo_aritmetico&) {
        return u"fallo";
    }
    if (const auto* rechazo = std::get_if<Rechazo>(&solucion))
        return *rechazo == Rechazo::valor_cero ? u"cero" : u"invalido";
    const Resultado& r = std::get<Resultado>(solucion);
    const numerico::Unidad& calculada =
        p == Parametro::capacitancia ? unidad_de_capacidad_calculada : unidad_de_inductancia_calculada;
    return std::u16string(r.unidad.value_or(calculada.simbolo)) + u"|" + r.valor;
}

struct Caso {
    const char* nombre;
    Parametro parametro;
    const char16_t *capa, *indu, *frec;
    Factores factores;
    const char16_t* esperado; // "unit|value" with "." as decimal point, "cero", "invalido" or "fallo"
};

constexpr auto F = Parametro::frecuencia;
constexpr auto C = Parametro::capacitancia;
constexpr auto L = Parametro::inductancia;

// A click on "Calcular" in each case, in both locales.
TEST(Resolver, ResultadoORechazo)
{
    const Caso casos[] = {
        {"f_al_abrir_1uF_1uH", F, u"1", u"1", u"", en(), u"KHz|159.155"},
        {"f_100pF_1uH", F, u"100", u"1", u"", en(u"pF"), u"MHz|15.915"},
        {"f_1000uF_1000mH", F, u"1000", u"1000", u"", en(u"\u00b5F", u"mH"), u"Hz|5.033"},
        {"c_al_abrir_1MHz_1uH", C, u"", u"1", u"1", en(), u"\u00b5F|0.025330295912"},
        {"l_1MHz_100pF", L, u"100", u"", u"1", en(u"pF"), u"\u00b5H|253.302959"},
        // The unit is chosen on the unrounded frequency.
        {"f_justo_sobre_1000Hz", F, u"8976", u"2822", u"", en(u"nF"), u"KHz|1"},
        {"f_justo_bajo_1000Hz", F, u"1296", u"19545", u"", en(u"nF"), u"Hz|1000"},
        // Capacitance and inductance are never rescaled.
        {"c_100MHz_100uH", C, u"", u"100", u"100", en(), u"\u00b5F|2.533E-08"},
        {"l_1Hz_1pF", L, u"1", u"", u"1", en(u"pF", u"nH", u"Hz"), u"\u00b5H|2.53302959120324E+16"},
        {"l_1Hz_1nF", L, u"1", u"", u"1", en(u"nF", u"nH", u"Hz"), u"\u00b5H|25330295912032.4"},
        {"c_1Hz_1nH", C, u"", u"1", u"1", en(u"pF", u"nH", u"Hz"), u"\u00b5F|25330295912032.4"},
        {"c_1KHz_1mH", C, u"", u"1", u"1", en(u"pF", u"mH", u"KHz"), u"\u00b5F|25.330295912032"},
        {"l_1Hz_1uF", L, u"1", u"", u"1", en(u"\u00b5F", u"nH", u"Hz"), u"\u00b5H|25330295912.0324"},
        // Signs: F enters squared; both negative under the root cancel.
        {"c_inductancia_negativa", C, u"", u"-1", u"-1", en(), u"\u00b5F|-0.025330295912"},
        {"l_capacidad_negativa", L, u"-100", u"", u"1", en(u"pF"), u"\u00b5H|-253.302959"},
        {"f_ambas_negativas", F, u"-1", u" - 1 ", u"", en(), u"KHz|159.155"},
        // Zero entries: blank, 0, and a comma where "." is the only decimal point.
        {"f_capacidad_en_blanco", F, u"", u"1", u"", en(), u"cero"},
        {"f_inductancia_cero", F, u"1", u"0", u"", en(), u"cero"},
        {"f_coma_lee_cero", F, u"0,5", u"1", u"", en(), u"cero"},
        {"c_frecuencia_en_blanco", C, u"", u"1", u"  ", en(), u"cero"},
        {"c_frecuencia_cero", C, u"", u"1", u"0", en(), u"cero"},
        {"c_inductancia_en_blanco", C, u"", u"", u"1", en(), u"cero"},
        {"l_frecuencia_cero", L, u"1", u"", u"-0", en(), u"cero"},
        {"l_capacidad_cero", L, u"0.0", u"", u"1", en(), u"cero"},
        // Entries that are not wholly a number are refused, not read in part.
        {"f_coma_en_medio", F, u"2,2", u"1", u"", en(), u"invalido"},
        {"f_letras_detras", F, u"1", u"12abc", u"", en(), u"invalido"},
        {"c_frecuencia_con_coma", C, u"", u"1", u"0,5", en(), u"invalido"},
        {"c_inductancia_en_parte", C, u"", u"1x", u"1", en(), u"invalido"},
        {"l_dos_puntos", L, u"1.2.3", u"", u"1", en(), u"invalido"},
        {"l_frecuencia_en_parte", L, u"1", u"", u"1e", en(), u"invalido"},
        // The entry of the quantity computed is never read.
        {"f_ignora_frecuencia", F, u"1", u"1", u"1e999", en(), u"KHz|159.155"},
        {"c_ignora_capacidad", C, u"abc", u"1", u"1", en(), u"\u00b5F|0.025330295912"},
        {"l_ignora_inductancia", L, u"1", u"1e999", u"1", en(), u"\u00b5H|0.02533"},
        // A step that cannot be computed stops the click without a result.
        {"raiz_de_negativo", F, u"-1", u"1", u"", en(), u"fallo"},
        {"entrada_fuera_de_rango", F, u"1e999", u"1", u"", en(), u"fallo"},
        {"inverso_del_cuadrado_desborda", C, u"", u"1", u"1e-200", en(), u"fallo"},
        {"capacidad_desborda", C, u"", u"1e-300", u"1e-100", en(), u"fallo"},
    };
    for (const Separadores sep : {numerico::separadores_punto, numerico::separadores_coma})
        for (const Caso& c : casos)
            EXPECT_EQ(
                resolver_como_texto(c.parametro, {.frec = c.frec, .capa = c.capa, .indu = c.indu}, c.factores, sep),
                prueba::en_locale(c.esperado, sep))
                << c.nombre;
}

} // namespace
