#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace numerico {

// One unit text of a unit list, the factor it stands for and its name as
// spoken ("nanofaradios").
struct Unidad {
    std::u16string_view texto;
    double factor;
    std::u16string_view nombre;
};

// The factor of the first unit whose text equals the whole text exactly
// (letter case and blanks count). A text that matches no unit keeps the
// factor in use.
constexpr double factor_de_unidad(std::u16string_view texto, std::span<const Unidad> unidades, double actual)
{
    const auto unidad =
        std::find_if(unidades.begin(), unidades.end(), [&](const Unidad& u) { return u.texto == texto; });
    return unidad == unidades.end() ? actual : unidad->factor;
}

// The unit whose factor is in use; null for a factor of none.
constexpr const Unidad* unidad_de_factor(double factor, std::span<const Unidad> unidades)
{
    const auto unidad =
        std::find_if(unidades.begin(), unidades.end(), [&](const Unidad& u) { return u.factor == factor; });
    return unidad == unidades.end() ? nullptr : &*unidad;
}

} // namespace numerico
