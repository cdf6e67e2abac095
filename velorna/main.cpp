#include "ventana_velorna.h"

#include "programa/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaVelorna>("velorna"); }
