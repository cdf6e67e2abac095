#include "ventana_mirvesta.h"

#include "ventana/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaMirvesta>("mirvesta"); }
