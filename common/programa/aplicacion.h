#pragma once

#include <QApplication>
#include <QString>

#include <memory>

namespace calculadora {

// The application of one calculator program, readied before its window is
// built. The programs take no command-line arguments, so Qt is handed the
// program's name and none of the user's options (-platform, -style,
// -display...), only what the desktop asks for (escritorio::antes_de_qt).
// Where no display can be opened, the program says so in one Spanish line on
// standard error and ends at once with status 1, instead of being aborted by
// Qt.
std::unique_ptr<QApplication> crear_aplicacion(const char* programa);

// Qt's own texts (message box buttons, context menus) in Spanish whatever
// the user's language, while the numbers keep the user's locale; the
// screen-reader support and the frame drawing of the calculators' widgets;
// and the program's identity for docks and task bars, its menu entry
// org.calculadorasrf.PROGRAM.desktop.
void preparar_aplicacion(QApplication& aplicacion, const QString& programa);

// The whole of a calculator program: its application and its one window,
// until the window closes.
template <typename Ventana>
int ejecutar(const char* programa)
{
    const auto aplicacion = crear_aplicacion(programa);
    Ventana ventana;
    ventana.show();
    return QApplication::exec();
}

} // namespace calculadora
