#include "ventana_velorna.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    VentanaVelorna ventana;
    ventana.show();
    return QApplication::exec();
}
