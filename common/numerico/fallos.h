#pragma once

#include <exception>

namespace numerico {

// Why a step of the numeric rules could not give a value.
enum class Causa {
    no_es_numero,      // a text that texto_a_numero cannot read in the locale
    division_por_cero, // a non-zero number divided by zero
    desbordamiento,    // a value beyond the double range
    operacion_invalida // no value at all: 0 / 0, the square root of a negative number
};

// Every failure of the numeric rules stops the running event handler at the
// failing step; the window's guard catches this base and tells the user why,
// in words of its own for each cause.
class fallo_numerico : public std::exception {
public:
    explicit fallo_numerico(Causa causa) noexcept
        : causa_(causa)
    {}
    [[nodiscard]] Causa causa() const noexcept { return causa_; }
    [[nodiscard]] const char* what() const noexcept override;

private:
    Causa causa_;
};

// A text handed to texto_a_numero is not a number in the user's locale.
class fallo_de_conversion : public fallo_numerico {
public:
    fallo_de_conversion() noexcept
        : fallo_numerico(Causa::no_es_numero)
    {}
};

// A floating-point step divided by zero, overflowed the double range or was
// invalid.
class fallo_aritmetico : public fallo_numerico {
public:
    using fallo_numerico::fallo_numerico;
};

} // namespace numerico
