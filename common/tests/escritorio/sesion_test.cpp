#include "escritorio/sesion.h"

#include <gtest/gtest.h>

namespace {

using escritorio::plataforma_de_qt;
using escritorio::Sesion;

struct Caso {
    const char* que;
    Sesion sesion;
    std::optional<std::string> plataforma;
};

// Xwayland only on GNOME's Wayland session, and only while it offers an X
// display; the user's own platform always stands.
TEST(PlataformaDeQt, XwaylandSoloEnGnomeSobreWayland)
{
    const Caso casos[] = {
        {"GNOME sobre Wayland", {"", "GNOME", "wayland", "wayland-0", ":0"}, "xcb"},
        {"variante de GNOME", {"", "ubuntu:GNOME", "wayland", "wayland-0", ":0"}, "xcb"},
        {"sin tipo de sesión", {"", "GNOME", "", "wayland-0", ":0"}, "xcb"},
        {"sin WAYLAND_DISPLAY", {"", "gnome", "wayland", "", ":0"}, "xcb"},
        {"sin Xwayland", {"", "GNOME", "wayland", "wayland-0", ""}, std::nullopt},
        {"GNOME sobre X11", {"", "GNOME", "x11", "", ":0"}, std::nullopt},
        {"Plasma sobre Wayland", {"", "KDE", "wayland", "wayland-0", ":1"}, std::nullopt},
        {"otro escritorio que contiene GNOME", {"", "GNOMEX", "wayland", "wayland-0", ":0"}, std::nullopt},
        {"elección del usuario", {"wayland", "GNOME", "wayland", "wayland-0", ":0"}, std::nullopt},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(plataforma_de_qt(caso.sesion), caso.plataforma) << caso.que;
}

} // namespace
