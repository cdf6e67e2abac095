#pragma once

namespace ventana {

// Teaches screen readers the calculators' own widgets: each window is a
// frame named by its title, each picture an image named by what it shows,
// each unit list and its entry the name it was given, and the drawn strokes
// nothing at all. Installed once, before the first window is built.
void instalar_accesibilidad();

} // namespace ventana
