// The whole program from its start to its window shown on the X display, and
// its resident memory then, beside a bare Qt window program as the floor.
// Run on a display of its own (tools/medir does).
//   arranque_bench "PROGRAM [ARGUMENT]"... [benchmark options]

#include <X11/Xlib.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// Resident memory of a process in kilobytes, from /proc.
long memoria_residente_kb(pid_t pid)
{
    std::ifstream estado("/proc/" + std::to_string(pid) + "/status");
    std::string linea;
    while (std::getline(estado, linea))
        if (linea.rfind("VmRSS:", 0) == 0)
            return std::stol(linea.substr(6));
    return 0;
}

// Runs "PROGRAM [ARGUMENT]" as a command line of at most one argument.
void arranque(benchmark::State& estado, std::string orden)
{
    const auto espacio = orden.find(' ');
    std::string programa = orden.substr(0, espacio);
    std::string argumento = espacio == std::string::npos ? std::string() : orden.substr(espacio + 1);
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) {
        estado.SkipWithError("no hay pantalla X");
        return;
    }
    XSelectInput(pantalla, DefaultRootWindow(pantalla), SubstructureNotifyMask);
    long memoria = 0;
    for (auto _ : estado) {
        const auto inicio = std::chrono::steady_clock::now();
        char* argumentos[] = {programa.data(), argumento.empty() ? nullptr : argumento.data(), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, programa.c_str(), nullptr, nullptr, argumentos, environ) != 0) {
            estado.SkipWithError("no arranca");
            break;
        }
        // The first top-level window mapped on the display is the program's.
        XEvent evento;
        do
            XNextEvent(pantalla, &evento);
        while (evento.type != MapNotify);
        const auto mostrada = std::chrono::steady_clock::now();
        memoria = memoria_residente_kb(pid);
        estado.SetIterationTime(std::chrono::duration<double>(mostrada - inicio).count());
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        XSync(pantalla, True); // drop the unmap and destroy events
    }
    estado.counters["memoria_kB"] = static_cast<double>(memoria);
    XCloseDisplay(pantalla);
}

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        const std::string orden = argv[i];
        benchmark::RegisterBenchmark(orden.substr(orden.rfind('/') + 1).c_str(), arranque, orden)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(20);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
