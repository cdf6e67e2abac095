#include "sesion.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace escritorio {

namespace {

std::string variable(const char* nombre)
{
    const char* valor = std::getenv(nombre); // NOLINT(concurrency-mt-unsafe): read before any thread starts
    return valor ? std::string(valor) : std::string();
}

bool iguales_sin_mayusculas(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b,
                              [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// GNOME names itself in the list, alone ("GNOME") or after a variant
// ("ubuntu:GNOME", "GNOME-Classic:GNOME").
bool es_gnome(std::string_view escritorios)
{
    while (true) {
        const auto fin = escritorios.find(':');
        if (iguales_sin_mayusculas(escritorios.substr(0, fin), "GNOME"))
            return true;
        if (fin == std::string_view::npos)
            return false;
        escritorios.remove_prefix(fin + 1);
    }
}

} // namespace

Sesion sesion_del_entorno()
{
    return {variable("QT_QPA_PLATFORM"), variable("XDG_CURRENT_DESKTOP"), variable("XDG_SESSION_TYPE"),
            variable("WAYLAND_DISPLAY"), variable("DISPLAY")};
}

std::optional<std::string> plataforma_de_qt(const Sesion& sesion)
{
    const bool wayland = !sesion.pantalla_wayland.empty() || sesion.tipo_de_sesion == "wayland";
    if (sesion.plataforma_pedida.empty() && wayland && !sesion.pantalla_x11.empty() && es_gnome(sesion.escritorio))
        return "xcb";
    return std::nullopt;
}

} // namespace escritorio
