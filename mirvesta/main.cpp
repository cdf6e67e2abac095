#include "ventana_mirvesta.h"

#include "ventana/aplicacion.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    ventana::preparar_aplicacion(aplicacion, QStringLiteral("mirvesta"));
    VentanaMirvesta ventana;
    ventana.show();
    return QApplication::exec();
}
