#pragma once

class QAccessibleEvent;

namespace accesibilidad {

// Keeps from screen readers the events of a text box that are no news to
// the user, which Orca would otherwise tell over what the user is doing:
// the selection Qt makes or ends on its own as the focus moves (the whole
// text selected as the focus comes in by Tab, heard as "uF selected", and
// the selection ended as the focus leaves, heard as "Text unselected." over
// the next control), and a text set again to what it was, heard again.
// Every other event reaches the screen reader as before. Installed once,
// with the factory.
void callar_avisos_sobrantes();

// Whether the event is one of those kept back. Asked of every event, in
// order: it follows the focus through them.
[[nodiscard]] bool es_aviso_sobrante(QAccessibleEvent* evento);

} // namespace accesibilidad
