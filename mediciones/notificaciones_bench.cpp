// One slider notification of each real window, offscreen or on the display
// the caller gives: from the value change to the read-out and result texts
// written.

#include "ventana_filtros.h"
#include "ventana_mirvesta.h"

#include <QApplication>
#include <QSlider>

#include <benchmark/benchmark.h>

namespace {

// Moves the slider back and forth between two positions, one notification
// per iteration.
void medir(benchmark::State& estado, QWidget& ventana, const char* deslizador, int a, int b)
{
    ventana.show();
    QApplication::processEvents();
    auto* control = ventana.findChild<QSlider*>(QString::fromLatin1(deslizador));
    bool ida = false;
    for (auto _ : estado) {
        ida = !ida;
        control->setValue(ida ? a : b);
    }
}

void filtros_notificacion(benchmark::State& estado, const char* deslizador, int a, int b)
{
    VentanaFiltros ventana;
    medir(estado, ventana, deslizador, a, b);
}

void mirvesta_notificacion(benchmark::State& estado, const char* deslizador, int a, int b)
{
    VentanaMirvesta ventana;
    medir(estado, ventana, deslizador, a, b);
}

BENCHMARK_CAPTURE(filtros_notificacion, Sld_c, "Sld_c", 100, 4700);
BENCHMARK_CAPTURE(filtros_notificacion, Sld_r, "Sld_r", 10, 470);
BENCHMARK_CAPTURE(mirvesta_notificacion, sld_radio, "sld_radio", 3, 12);
BENCHMARK_CAPTURE(mirvesta_notificacion, sld_longitud, "sld_longitud", 5, 95);

} // namespace

int main(int argc, char* argv[])
{
    // Offscreen unless the caller names a platform: on a display with the
    // session's accessibility bus, the notifications as the bridge to it
    // sees them (tools/medir).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
