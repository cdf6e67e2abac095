#include "escritura.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace numerico {
namespace {

void anadir_ascii(std::u16string& destino, std::string_view ascii)
{
    for (const char c : ascii)
        destino += static_cast<char16_t>(c);
}

std::u16string exponente_con_dos_cifras(int e)
{
    std::u16string salida = e < 0 ? u"E-" : u"E+";
    const int magnitud = std::abs(e);
    if (magnitud < 10)
        salida += u'0';
    anadir_ascii(salida, std::to_string(magnitud));
    return salida;
}

} // namespace

std::u16string numero_a_texto(double x, Separadores sep)
{
    if (x == 0.0)
        return u"0";

    // "d.dddddddddddddde±x": the value correctly rounded to 15 significant digits.
    char buffer[48];
    auto* const fin = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    const std::string_view cientifico(buffer, static_cast<std::size_t>(fin - buffer));
    std::u16string salida;
    if (!std::isfinite(x)) {
        anadir_ascii(salida, cientifico);
        return salida;
    }

    const bool negativo = cientifico.front() == '-';
    const std::string_view mantisa = cientifico.substr(negativo ? 1 : 0, 16);
    std::string cifras;
    cifras += mantisa[0];
    cifras += mantisa.substr(2);
    cifras.erase(cifras.find_last_not_of('0') + 1);
    const std::string_view exponente = cientifico.substr(cientifico.find('e') + 1);
    int e = 0;
    std::from_chars(exponente.data() + (exponente.front() == '+' ? 1 : 0), exponente.data() + exponente.size(), e);

    if (negativo)
        salida += u'-';
    if (e > -5 && e < 15) {
        const std::size_t enteras = e >= 0 ? static_cast<std::size_t>(e) + 1 : 0;
        if (enteras == 0) {
            salida += u'0';
        } else {
            anadir_ascii(salida, std::string_view(cifras).substr(0, enteras));
            for (std::size_t i = cifras.size(); i < enteras; ++i)
                salida += u'0';
        }
        if (cifras.size() > enteras) {
            salida += sep.decimal;
            for (int i = e + 1; i < 0; ++i)
                salida += u'0';
            anadir_ascii(salida, std::string_view(cifras).substr(enteras));
        }
    } else {
        salida += static_cast<char16_t>(cifras[0]);
        if (cifras.size() > 1) {
            salida += sep.decimal;
            anadir_ascii(salida, std::string_view(cifras).substr(1));
        }
        salida += exponente_con_dos_cifras(e);
    }
    return salida;
}

std::u16string numero_a_texto(std::int32_t n)
{
    std::u16string salida;
    anadir_ascii(salida, std::to_string(n));
    return salida;
}

} // namespace numerico
