#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace numerico {

// How a window writes the micro prefix: velorna with the micro sign ("µF"),
// filtros with a letter u ("uF").
enum class Grafia : std::uint8_t { micro, u };

// One unit of a unit list: the factor that takes a value in it to farads,
// henries or hertz (capacitances and inductances are divided by it,
// frequencies multiplied), its symbol as each window writes it, and its name
// as spoken.
struct Unidad {
    double factor;
    std::u16string_view simbolo;       // Grafia::micro
    std::u16string_view simbolo_con_u; // Grafia::u
    std::u16string_view nombre;

    [[nodiscard]] constexpr std::u16string_view texto(Grafia grafia) const
    {
        return grafia == Grafia::u ? simbolo_con_u : simbolo;
    }
};

inline constexpr Unidad unidades_de_capacidad[] = {
    {1000000.0, u"\u00b5F", u"uF", u"microfaradios"},
    {1000000000.0, u"nF", u"nF", u"nanofaradios"},
    {1000000000000.0, u"pF", u"pF", u"picofaradios"},
};
inline constexpr Unidad unidades_de_inductancia[] = {
    {1000.0, u"mH", u"mH", u"milihenrios"},
    {1000000.0, u"\u00b5H", u"uH", u"microhenrios"},
    {1000000000.0, u"nH", u"nH", u"nanohenrios"},
};
// Also the units a frequency is shown in, chosen by its size (escala_frecuencia).
inline constexpr Unidad unidades_de_frecuencia[] = {
    {1.0, u"Hz", u"Hz", u"hercios"},
    {1000.0, u"KHz", u"KHz", u"kilohercios"},
    {1000000.0, u"MHz", u"MHz", u"megahercios"},
};

// The first unit whose text equals the whole text exactly (letter case and
// blanks count); none for a text that is no unit of the list.
constexpr const Unidad* unidad_de_texto(std::u16string_view texto, std::span<const Unidad> unidades, Grafia grafia)
{
    const auto unidad =
        std::find_if(unidades.begin(), unidades.end(), [&](const Unidad& u) { return u.texto(grafia) == texto; });
    return unidad == unidades.end() ? nullptr : &*unidad;
}

// The unit whose factor is in force; none for a factor of no unit.
constexpr const Unidad* unidad_de_factor(double factor, std::span<const Unidad> unidades)
{
    const auto unidad =
        std::find_if(unidades.begin(), unidades.end(), [&](const Unidad& u) { return u.factor == factor; });
    return unidad == unidades.end() ? nullptr : &*unidad;
}

} // namespace numerico
