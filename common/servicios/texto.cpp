#include "texto.h"

#include <QLocale>

namespace servicios {
namespace {

// Qt gives the separators as strings; every locale the calculators meet
// uses a single UTF-16 unit for each.
char16_t primer_caracter(const QString& texto, char16_t si_vacio)
{
    return texto.isEmpty() ? si_vacio : texto.front().unicode();
}

} // namespace

numerico::Separadores separadores_del_sistema()
{
    const QLocale sistema = QLocale::system();
    return {primer_caracter(sistema.decimalPoint(), u'.'), primer_caracter(sistema.groupSeparator(), u',')};
}

} // namespace servicios
