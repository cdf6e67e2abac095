#include "frecuencia_corte.h"

#include "numerico/aritmetica.h"
#include "numerico/escala_frecuencia.h"
#include "numerico/escritura.h"
#include "numerico/lectura.h"
#include "numerico/redondeo.h"

namespace filtros {

using namespace numerico;

namespace {
// 6.283184, not 2 pi: the low-pass and high-pass results of filtros are
// computed with this constant, and every figure it shows follows from it.
constexpr double dos_pi_del_filtro = 6.283184;
} // namespace

std::u16string lectura_de_deslizador(std::int32_t posicion, double escala, Separadores sep)
{
    return numero_a_texto(dividir(static_cast<double>(posicion), escala), sep);
}

FrecuenciaDeCorte calcular_frecuencia_corte(std::u16string_view texto_r, std::u16string_view texto_c, double divisor_c,
                                            bool pasa_banda, Separadores sep)
{
    double x = 0.0; // seconds: R C, or 6.283184 R C
    if (pasa_banda) {
        const double c = dividir(texto_a_numero(texto_c, sep), divisor_c);
        x = multiplicar(multiplicar(texto_a_numero(texto_r, sep), 1000.0), c);
    } else {
        const double k = multiplicar(multiplicar(texto_a_numero(texto_r, sep), dos_pi_del_filtro), 1000.0);
        x = multiplicar(dividir(texto_a_numero(texto_c, sep), divisor_c), k);
    }
    const double f = redondear_3(dividir(1.0, x));

    // The unit is chosen on the rounded value, so 999.9996 Hz shows as 1 KHz.
    const Unidad& escala = escala_frecuencia(f);
    const double valor = escala.factor == 1.0 ? f : redondear_3(dividir(f, escala.factor));
    return {escala.simbolo, numero_a_texto(valor, sep)};
}

} // namespace filtros
