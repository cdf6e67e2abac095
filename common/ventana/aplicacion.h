#pragma once

#include <QString>

class QApplication;

namespace ventana {

// Readies the application of one calculator program ("filtros", "velorna" or
// "mirvesta") before its window is built: Qt's own texts (message box
// buttons, context menus) in Spanish whatever the user's language, while the
// numbers keep the user's locale; the screen-reader support of the
// calculators' widgets; and the program's identity for docks and task bars,
// its menu entry org.calculadorasrf.PROGRAM.desktop.
void preparar_aplicacion(QApplication& aplicacion, const QString& programa);

} // namespace ventana
