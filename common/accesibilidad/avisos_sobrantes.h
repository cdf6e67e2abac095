#pragma once

namespace accesibilidad {

// Keeps from screen readers the selection events of a text box that are
// not news to the user, which Orca would otherwise tell as "Text
// unselected." over what the user is doing: a box's selection that ends as
// the focus leaves it (Qt clears it then, when the focus is already on the
// next control) or as its text is replaced (a unit picked from a list, a
// character typed over the selected text). Every other event reaches the
// screen reader as before. Installed once, with the factory.
void callar_avisos_sobrantes();

} // namespace accesibilidad
