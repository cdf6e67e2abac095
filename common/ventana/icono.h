#pragma once

#include <QIcon>
#include <QString>

namespace calculadora {

// A picture of the compiled resources (":/imagenes/NAME.svg") as an icon,
// sharp at whatever size and screen scale it is asked for, and in the state
// a widget shows it (a disabled button's picture as the style greys it).
// Where Qt's SVG library is linked (Linux) the drawing itself is rendered at
// the size asked; elsewhere (Windows) the build has rendered it at each
// scale the system offers (NAME-100.png, NAME-125.png, ...), and the icon
// picks the nearest one at or above.
QIcon icono(const QString& recurso);

} // namespace calculadora
