#pragma once

// What screen readers are told of the calculators, in one place:
// - the factory (fabrica.cpp) that gives each of the calculators' own widgets
//   its interface: the window a frame named by its title, pictures images
//   named by what they show, sliders the quantity they stand for
//   (DeslizadorAccesible), boxes of one line their whole text
//   (CajaAccesible), unit lists their given name (ListaAccesible), drawn
//   strokes nothing at all, a formula one spoken phrase (Formula);
// - the announcer that tells each new result where the focus is
//   (Anunciador), and the text boxes' events kept from screen readers as
//   no news (avisos_sobrantes.h);
// - what differs between the Qt versions the programs are built with
//   (segun_qt.h), which the tests also ask.

namespace accesibilidad {

// Installs the factory; once, after the application exists and before the
// first window is built (a factory installed earlier is never asked).
void instalar_accesibilidad();

} // namespace accesibilidad
