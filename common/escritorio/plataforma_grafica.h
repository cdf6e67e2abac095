#pragma once

#include <optional>
#include <string>

namespace calculadora {

// What the session's environment says of the desktop a program starts in.
struct SesionDeEscritorio {
    std::string plataforma_pedida; // QT_QPA_PLATFORM: the user's own choice
    std::string escritorio;        // XDG_CURRENT_DESKTOP, a list split by ':'
    std::string tipo_de_sesion;    // XDG_SESSION_TYPE
    std::string pantalla_wayland;  // WAYLAND_DISPLAY
    std::string pantalla_x11;      // DISPLAY
};

// The session of this process, read from its environment.
SesionDeEscritorio sesion_del_entorno();

// The Qt platform a calculator opens its window with, where it differs from
// Qt's own choice. On GNOME's Wayland session a Wayland client draws its own
// title bar, which Qt makes unlike every other window there and with a
// maximize button for a window of fixed size; through Xwayland the window
// wears GNOME's own title bar, offers what a fixed window can do and keeps
// inside the area the top bar leaves. So "xcb" there, while the session
// offers an X display; nothing elsewhere, nor when the user has named a
// platform.
std::optional<std::string> plataforma_para(const SesionDeEscritorio& sesion);

} // namespace calculadora
