#include "ventana_velorna.h"

#include "programa/aplicacion.h"

int main(int /*argc*/, char* /*argv*/[]) { return calculadora::ejecutar<VentanaVelorna>("velorna"); }
