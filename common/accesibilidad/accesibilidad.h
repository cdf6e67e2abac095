#pragma once

// What screen readers are told of the calculators, in one place that knows
// the calculators' widgets (common/ventana) and nothing above them:
// - the factory (fabrica.cpp) that gives each of those widgets its
//   interface: the window a frame named by its title, pictures images named
//   by what they show, sliders the quantity they stand for
//   (DeslizadorAccesible), boxes of one line their whole text
//   (CajaAccesible), unit lists their given name (ListaAccesible), drawn
//   strokes nothing at all, a formula one spoken phrase (Formula);
// - the announcer that tells each new result where the focus is
//   (Anunciador, through Voz), and the events of the boxes kept back as
//   noise (ruido.h);
// - what differs between the Qt versions the programs are built with (voz.h,
//   texto_del_valor.h), which the tests also ask.

namespace accesibilidad {

// Installs the factory and the filter of noise; once, after the application
// exists and before the first window is built (a factory installed earlier
// is never asked).
void instalar_accesibilidad();

} // namespace accesibilidad
