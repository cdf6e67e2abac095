#pragma once

#include <QIcon>
#include <QString>

namespace calculadora {

// An icon drawn from an SVG picture by the SVG library the programs link,
// at whatever size, screen scale and state it is asked for (a disabled
// button's picture as the widget style greys it), so no image or icon
// plugin is needed to show it.
QIcon icono_svg(const QString& recurso);

} // namespace calculadora
