#include "ventana_mirvesta.h"

#include "ventana/aplicacion.h"

int main(int argc, char* argv[]) { return ventana::ejecutar<VentanaMirvesta>(argc, argv, QStringLiteral("mirvesta")); }
