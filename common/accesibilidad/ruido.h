#pragma once

namespace accesibilidad {

// Keeps from screen readers the events of a one-line box that tell the user
// nothing, which Orca would otherwise say over what the user is doing. Each
// answers a behaviour of Qt (6.4 to 6.8 at least; no report of them to Qt
// that we know of):
// - the whole text QLineEdit selects as Tab brings the focus in: it selects
//   in focusInEvent, before QWidget::setFocus tells screen readers of the
//   focus, and Orca's Qt script, unlike its GTK one, speaks a selection in an
//   object that does not have the focus yet ("uF selected"). The read-outs
//   never select on Tab (CajaDeLectura): this meets the entries and the unit
//   lists;
// - the selection QLineEdit ends in focusOutEvent, when the focus is already
//   the next control's ("Text unselected." over it);
// - a text set again to itself: QComboBox sets its entry's text again when
//   its current item is chosen once more in its open list.
// Every other event reaches the screen reader as Qt sends it. Installed once,
// with the factory; needed until Qt tells the focus before the selection.
void filtrar_el_ruido();

} // namespace accesibilidad
