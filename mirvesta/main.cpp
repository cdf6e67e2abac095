#include "ventana_mirvesta.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    VentanaMirvesta ventana;
    ventana.show();
    return QApplication::exec();
}
