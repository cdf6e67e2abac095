// Every short text a user can type into an entry, through the solver in each
// case, with every unit combination, in both locales: the solver gives a
// result that reads back, a refusal, or a numeric failure, and nothing else.

#include "resonancia.h"

#include "numerico/fallos.h"
#include "numerico/lectura.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <string>
#include <vector>

using namespace velorna;
using numerico::Separadores;

namespace {

// All texts of the given lengths over an alphabet.
std::vector<std::u16string> textos(std::u16string_view alfabeto, std::size_t desde, std::size_t hasta)
{
    std::vector<std::u16string> todos;
    std::vector<std::u16string> de_esta_longitud{u""};
    for (std::size_t longitud = 0; longitud <= hasta; ++longitud) {
        if (longitud >= desde)
            todos.insert(todos.end(), de_esta_longitud.begin(), de_esta_longitud.end());
        std::vector<std::u16string> siguientes;
        siguientes.reserve(de_esta_longitud.size() * alfabeto.size());
        for (const std::u16string& t : de_esta_longitud)
            for (char16_t c : alfabeto)
                siguientes.push_back(t + c);
        de_esta_longitud = std::move(siguientes);
    }
    return todos;
}

struct Cuentas {
    long resultados = 0, ceros = 0, invalidos = 0, fallos = 0;
    long total() const { return resultados + ceros + invalidos + fallos; }
};

class Barrido : public testing::TestWithParam<std::tuple<Parametro, Separadores>> {
protected:
    // One click on "Calcular"; returns the result text, or empty for any other outcome.
    std::u16string calcular(const Entradas& e, const Factores& k)
    {
        const auto& [parametro, sep] = GetParam();
        try {
            const auto solucion = resolver(parametro, e, k, sep);
            if (const auto* rechazo = std::get_if<Rechazo>(&solucion)) {
                ++(*rechazo == Rechazo::valor_cero ? cuentas.ceros : cuentas.invalidos);
                return {};
            }
            const Resultado& r = std::get<Resultado>(solucion);
            ++cuentas.resultados;
            EXPECT_EQ(r.unidad.has_value(), parametro == Parametro::frecuencia);
            double leido = 0;
            EXPECT_NO_THROW(leido = numerico::texto_a_numero(r.valor, sep)) << std::string(r.valor.begin(), r.valor.end());
            EXPECT_TRUE(std::isfinite(leido));
            return r.valor;
        } catch (const numerico::fallo_numerico&) {
            ++cuentas.fallos;
            return {};
        }
    }

    // The text in each entry the case uses (the other one holding 1), and in
    // the entry it computes, which must change nothing.
    void probar(const std::u16string& t, const Factores& k)
    {
        const Parametro p = std::get<0>(GetParam());
        const std::u16string_view uno = u"1";
        const Entradas en_capa{t, uno, uno}, en_indu{uno, t, uno}, en_frec{uno, uno, t};
        const Entradas sin_usar{uno, uno, uno};
        const Entradas& calculada = p == Parametro::frecuencia ? en_frec : p == Parametro::capacitancia ? en_capa : en_indu;
        if (p != Parametro::capacitancia)
            calcular(en_capa, k);
        if (p != Parametro::inductancia)
            calcular(en_indu, k);
        if (p != Parametro::frecuencia)
            calcular(en_frec, k);
        ASSERT_EQ(calcular(calculada, k), calcular(sin_usar, k)) << std::string(t.begin(), t.end());
    }

    Cuentas cuentas;
};

TEST_P(Barrido, CadaTextoDaUnResultadoUnAvisoOUnFallo)
{
    const auto cortos = textos(u"0159.,eE-+ ", 0, 4);
    const auto largos = textos(u"19.,e- ", 5, 6);
    for (const auto& capa : unidades_de_capacidad)
        for (const auto& indu : unidades_de_inductancia)
            for (const auto& frec : unidades_de_frecuencia)
                for (const std::u16string& t : cortos)
                    probar(t, {capa.factor, indu.factor, frec.factor});
    for (const std::u16string& t : largos)
        probar(t, {1e6, 1e6, 1e6});

    std::cout << "barrido: caso " << static_cast<int>(std::get<0>(GetParam())) << ", separador '"
              << static_cast<char>(std::get<1>(GetParam()).decimal) << "': " << cortos.size() + largos.size()
              << " textos, " << cuentas.total() << " calculos: " << cuentas.resultados << " resultados, "
              << cuentas.ceros << " avisos de cero, " << cuentas.invalidos << " numeros invalidos, " << cuentas.fallos
              << " fallos\n";
    EXPECT_GT(cuentas.resultados, 0);
    EXPECT_GT(cuentas.ceros, 0);
    EXPECT_GT(cuentas.invalidos, 0);
}

std::string nombre_del_caso(const testing::TestParamInfo<std::tuple<Parametro, Separadores>>& info)
{
    static const char* const casos[] = {"frecuencia", "capacitancia", "inductancia"};
    return std::string(casos[static_cast<int>(std::get<0>(info.param))]) +
           (std::get<1>(info.param).decimal == u',' ? "_coma" : "_punto");
}

INSTANTIATE_TEST_SUITE_P(Casos, Barrido,
    testing::Combine(testing::Values(Parametro::frecuencia, Parametro::capacitancia, Parametro::inductancia),
                     testing::Values(numerico::separadores_punto, numerico::separadores_coma)),
    nombre_del_caso);

} // namespace
