// Cost of one call of each pure computation.

#include "frecuencia_corte.h"
#include "inductancia.h"
#include "resonancia.h"

#include "numerico/escritura.h"
#include "numerico/lectura.h"

#include <benchmark/benchmark.h>

namespace {

const numerico::Separadores sep = numerico::separadores_coma;

void frecuencia_de_corte(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(filtros::calcular_frecuencia_corte(
            u"47,5", u"0,22", numerico::unidades_de_capacidad[1].factor, false, sep));
}
BENCHMARK(frecuencia_de_corte);

void resonancia(benchmark::State& estado)
{
    const auto parametro = static_cast<velorna::Parametro>(estado.range(0));
    for (auto _ : estado)
        benchmark::DoNotOptimize(velorna::resolver(parametro, {u"100", u"2.2", u"10.7"}, {1e12, 1e6, 1e6}, sep));
}
BENCHMARK(resonancia)->ArgName("parametro")->DenseRange(0, 2);

void inductancia(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(mirvesta::calcular_inductancia(9, 37, 45, sep));
}
BENCHMARK(inductancia);

void texto_a_numero(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(numerico::texto_a_numero(u"15.915,498", sep));
}
BENCHMARK(texto_a_numero);

void numero_a_texto(benchmark::State& estado)
{
    for (auto _ : estado)
        benchmark::DoNotOptimize(numerico::numero_a_texto(15915.498, sep));
}
BENCHMARK(numero_a_texto);

} // namespace

BENCHMARK_MAIN();
