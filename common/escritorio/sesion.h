#pragma once

#include <optional>
#include <string>

namespace escritorio {

// What the session's environment says of the desktop a program starts in.
struct Sesion {
    std::string plataforma_pedida; // QT_QPA_PLATFORM: the user's own choice
    std::string escritorio;        // XDG_CURRENT_DESKTOP, a list split by ':'
    std::string tipo_de_sesion;    // XDG_SESSION_TYPE
    std::string pantalla_wayland;  // WAYLAND_DISPLAY
    std::string pantalla_x11;      // DISPLAY
};

// The session of this process, read from its environment.
Sesion sesion_del_entorno();

// The Qt platform a calculator opens its window with, where it differs from
// Qt's own choice: "xcb" on GNOME's Wayland session while it offers an X
// display (see escritorio.h); nothing elsewhere, nor when the user has named
// a platform.
std::optional<std::string> plataforma_de_qt(const Sesion& sesion);

} // namespace escritorio
