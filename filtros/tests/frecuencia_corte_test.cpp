#include "frecuencia_corte.h"

#include "numerico/lectura.h"
#include "numerico/unidades.h"

#include "soporte/tablas.h"

using namespace filtros;
using numerico::Separadores;

namespace {

// The divisor of a unit of the window's list.
double divisor(std::u16string_view unidad)
{
    return numerico::unidad_de_texto(unidad, numerico::unidades_de_capacidad, numerico::Grafia::u)->factor;
}

// The worked values, in both locales: R and C read-outs, unit, filter type.
TEST(CalcularFrecuenciaCorte, ValorYUnidad)
{
    const struct {
        const char* nombre;
        std::u16string r, c;
        double divisor_c;
        bool pasa_banda;
        std::u16string valor, unidad;
    } casos[] = {
        {"inicio_pasa_bajos", u"1", u"0.01", divisor(u"uF"), false, u"15.915", u"KHz"},
        {"inicio_pasa_banda", u"1", u"0.01", divisor(u"uF"), true, u"100", u"KHz"},
        {"un_microfaradio", u"1", u"1", divisor(u"uF"), false, u"159.155", u"Hz"},
        {"diez_k_un_nanofaradio", u"10", u"1", divisor(u"nF"), false, u"15.915", u"KHz"},
        // 7.8125 MHz exactly: the tie goes to the even digit.
        {"empate_a_par_nanofaradios", u"0.1", u"1.28", divisor(u"nF"), true, u"7.812", u"MHz"},
        {"picofaradios", u"1", u"0.01", divisor(u"pF"), false, u"15915.498", u"MHz"},
        {"picofaradios_pasa_banda", u"1", u"0.01", divisor(u"pF"), true, u"100000", u"MHz"},
        {"minimo_pasa_bajos", u"100", u"100", divisor(u"uF"), false, u"0.016", u"Hz"},
        {"minimo_pasa_banda", u"100", u"100", divisor(u"uF"), true, u"0.1", u"Hz"},
        // 999.9996 Hz rounds to 1000 first, which reaches KHz; 999.9994 stays.
        {"redondeado_alcanza_kilohercios", u"1", u"1.0000004", divisor(u"uF"), true, u"1", u"KHz"},
        {"redondeado_queda_en_hercios", u"1", u"1.0000006", divisor(u"uF"), true, u"999.999", u"Hz"},
    };
    for (const Separadores sep : {numerico::separadores_punto, numerico::separadores_coma}) {
        for (const auto& c : casos) {
            const FrecuenciaDeCorte f = calcular_frecuencia_corte(
                prueba::en_locale(c.r, sep), prueba::en_locale(c.c, sep), c.divisor_c, c.pasa_banda, sep);
            EXPECT_EQ(f.unidad, c.unidad) << c.nombre;
            EXPECT_EQ(f.valor, prueba::en_locale(c.valor, sep)) << c.nombre;
        }
    }
}

// Every slider position reads back from its read-out as position / scale.
TEST(LecturaDeDeslizador, SeLeeDeVueltaEnCadaPosicion)
{
    EXPECT_EQ(lectura_de_deslizador(15, 10, numerico::separadores_coma), u"1,5");
    for (const Separadores sep : {numerico::separadores_punto, numerico::separadores_coma})
        for (std::int32_t p = 1; p <= 10000; ++p)
            ASSERT_EQ(numerico::texto_a_numero(lectura_de_deslizador(p, 100, sep), sep), p / 100.0) << p;
}

} // namespace
