#include "ventana_filtros.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    VentanaFiltros ventana;
    ventana.show();
    return QApplication::exec();
}
