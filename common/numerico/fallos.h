#pragma once

#include <stdexcept>
#include <string>

namespace numerico {

// Every failure of the numeric rules stops the running event handler at the
// failing step; the window's guard catches this base and tells the user.
class fallo_numerico : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text handed to texto_a_numero is not a number in the user's locale.
class fallo_de_conversion : public fallo_numerico {
public:
    using fallo_numerico::fallo_numerico;
};

// A floating-point step divided by zero, overflowed the double range or was
// invalid (0 / 0, the square root of a negative number).
class fallo_aritmetico : public fallo_numerico {
public:
    enum class causa { division_por_cero, desbordamiento, operacion_invalida };

    explicit fallo_aritmetico(causa c);
    [[nodiscard]] causa motivo() const noexcept { return motivo_; }

private:
    causa motivo_;
};

} // namespace numerico
