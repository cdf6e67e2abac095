#pragma once

#include "numerico/separadores.h"
#include "numerico/unidades.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace velorna {

// The quantity to compute, as the option buttons number it.
enum class Parametro : std::uint8_t { frecuencia = 0, capacitancia = 1, inductancia = 2 };

// Unit lists and their factors: capacitance and inductance entries are
// divided by theirs, the frequency entry is multiplied by its own.
inline constexpr numerico::Unidad unidades_de_capacidad[] = {{u"\u00b5F", 1000000.0, u"microfaradios"},
                                                             {u"nF", 1000000000.0, u"nanofaradios"},
                                                             {u"pF", 1000000000000.0, u"picofaradios"}};
inline constexpr numerico::Unidad unidades_de_inductancia[] = {
    {u"mH", 1000.0, u"milihenrios"}, {u"\u00b5H", 1000000.0, u"microhenrios"}, {u"nH", 1000000000.0, u"nanohenrios"}};
inline constexpr numerico::Unidad unidades_de_frecuencia[] = {
    {u"Hz", 1.0, u"hercios"}, {u"KHz", 1000.0, u"kilohercios"}, {u"MHz", 1000000.0, u"megahercios"}};

// The entries' texts and their units' factors, in the order of Parametro.
struct Entradas {
    std::u16string_view frec;
    std::u16string_view capa;
    std::u16string_view indu;
};

struct Factores {
    double frec;
    double capa;
    double indu;
};

// The units a capacitance and an inductance are given in: microfarads and
// microhenries.
inline constexpr std::u16string_view unidad_de_capacidad_calculada = unidades_de_capacidad[0].texto;
inline constexpr std::u16string_view unidad_de_inductancia_calculada = unidades_de_inductancia[1].texto;

// The units the lists show when the window opens: microfarads, microhenries
// and megahertz.
inline constexpr Factores factores_al_abrir{.frec = unidades_de_frecuencia[2].factor,
                                            .capa = unidades_de_capacidad[0].factor,
                                            .indu = unidades_de_inductancia[1].factor};

// Why an entry was refused instead of computed with.
enum class Rechazo {
    valor_cero,     // an entry the case uses reads 0 (blank, "0", "0,5")
    numero_invalido // an entry the case uses is not wholly a number ("2,2", "12abc")
};

struct Resultado {
    std::optional<std::u16string_view> unidad; // frequency only: "Hz", "KHz" or "MHz"
    std::u16string valor;
};

// F = 1 / (2 pi sqrt(L C)) solved for the chosen quantity from the two
// entries it needs; the third entry is not read. A frequency comes with its
// unit and three decimals, a capacitance in microfarads with at most 12
// decimals, an inductance in microhenries with at most 6. Arithmetic
// failures throw at the failing step, before anything is returned.
std::variant<Resultado, Rechazo> resolver(Parametro parametro, const Entradas& entradas, const Factores& factores,
                                          numerico::Separadores sep);

} // namespace velorna
