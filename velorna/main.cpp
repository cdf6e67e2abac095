#include "ventana_velorna.h"

#include "ventana/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaVelorna>("velorna"); }
