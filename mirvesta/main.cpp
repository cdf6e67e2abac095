#include "ventana_mirvesta.h"

#include "programa/aplicacion.h"

int main(int /*argc*/, char* /*argv*/[]) { return calculadora::ejecutar<VentanaMirvesta>("mirvesta"); }
