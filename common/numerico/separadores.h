#pragma once

namespace numerico {

// The two settings of the user's numeric locale that the text rules use.
// The window layer reads them afresh for every call.
struct Separadores {
    char16_t decimal = u'.';
    char16_t grupo = u',';
};

inline constexpr Separadores separadores_punto{u'.', u','};
inline constexpr Separadores separadores_coma{u',', u'.'};

} // namespace numerico
