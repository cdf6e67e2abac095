#pragma once

// The user's numeric locale and Qt's text, as the numeric rules take them.

#include "numerico/separadores.h"

#include <QString>

#include <string_view>

namespace servicios {

// Decimal and grouping separators of QLocale::system(), read at each call.
numerico::Separadores separadores_del_sistema();

inline QString a_qstring(std::u16string_view texto)
{
    return QString::fromUtf16(texto.data(), static_cast<qsizetype>(texto.size()));
}

} // namespace servicios
