#include "ventana_velorna.h"

#include "ventana/aplicacion.h"

int main() { return ventana::ejecutar<VentanaVelorna>("velorna"); }
