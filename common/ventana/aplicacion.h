#pragma once

#include <QApplication>
#include <QString>

namespace ventana {

// Readies the application of one calculator program ("filtros", "velorna" or
// "mirvesta") before its window is built: Qt's own texts (message box
// buttons, context menus) in Spanish whatever the user's language, while the
// numbers keep the user's locale; the screen-reader support of the
// calculators' widgets; and the program's identity for docks and task bars,
// its menu entry org.calculadorasrf.PROGRAM.desktop.
void preparar_aplicacion(QApplication& aplicacion, const QString& programa);

// The whole of a calculator program: its application, readied, and its one
// window, until the window closes.
template <typename Ventana>
int ejecutar(int argc, char* argv[], const QString& programa)
{
    QApplication aplicacion(argc, argv);
    preparar_aplicacion(aplicacion, programa);
    Ventana ventana;
    ventana.show();
    return QApplication::exec();
}

} // namespace ventana
