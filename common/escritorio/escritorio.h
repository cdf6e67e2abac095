#pragma once

// What each desktop gives a calculator window, and what the window does about
// it; the one room that knows the desktops. The program calls antes_de_qt()
// before its application exists, the window shell encajar() once.
//
// clang-format off
// desktop                  Qt platform        its frame, as Qt learns it    work area       kept for the frame   maximize
// -----------------------  -----------------  ----------------------------  --------------  -------------------  ------------------------
// X11 window managers      xcb (Qt's)         told after the window maps    _NET_WORKAREA   the frame told       not asked for
// GNOME Shell, Wayland     xcb: Xwayland      as X11                        as X11          as X11               not offered
// KWin (Plasma, Wayland)   wayland (Qt's)     never told                    whole screen    a panel, title bar   not offered
// weston, other Wayland    wayland (Qt's)     Qt's own title bar            whole screen    a panel, title bar   offered by Qt's bar: undone
// Windows 10 and 11        windows (Qt's)     told as the window is made    the taskbar's   the frame told       not asked for
//                                                                           rest
// clang-format on
// A QT_QPA_PLATFORM the user set wins over the platform column.
//
// On every desktop: a design that does not fit the room left scrolls inside
// the window, the focused control kept in view; the window opens centred in
// the work area and is refitted when its screen, that screen's scale or its
// work area changes. Through GNOME's Xwayland a window wears GNOME's own
// title bar and knows the top bar; as a Wayland client there Qt would draw a
// title bar unlike every other, with maximize. On Linux a Qt older than 6.8
// asks the accessibility bus only as it starts whether a screen reader
// listens; the bridge is kept open so that one turned on later hears the
// program. Windows needs no switch of its own: Qt's platform there is high-DPI
// aware per monitor (a move to a screen of another scale is refitted as
// elsewhere, untried under Wine, which scales no monitor on its own).

#include <optional>
#include <string>

class QWidget;

namespace escritorio {

// Sets the Qt switches this desktop needs and returns the platform the
// program names to Qt (none where Qt's own choice is right). Called once,
// before the application exists; a choice the user made in the environment
// stands.
std::optional<std::string> antes_de_qt();

// Fits the window, whose only content is the fixed design `diseno`, to what
// the desktop gives it, for as long as the window lives (see the table).
void encajar(QWidget* ventana, QWidget* diseno);

} // namespace escritorio
