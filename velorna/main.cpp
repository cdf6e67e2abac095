#include "ventana_velorna.h"

#include "ventana/aplicacion.h"

int main(int argc, char* argv[]) { return ventana::ejecutar<VentanaVelorna>(argc, argv, QStringLiteral("velorna")); }
