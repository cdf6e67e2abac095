#include "ventana_mirvesta.h"

#include "programa/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaMirvesta>("mirvesta"); }
