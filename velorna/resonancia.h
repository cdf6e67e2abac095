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
inline constexpr const numerico::Unidad& unidad_de_capacidad_calculada = numerico::unidades_de_capacidad[0];
inline constexpr const numerico::Unidad& unidad_de_inductancia_calculada = numerico::unidades_de_inductancia[1];

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
