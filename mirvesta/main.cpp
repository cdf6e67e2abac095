#include "ventana_mirvesta.h"

#include "ventana/aplicacion.h"

int main() { return ventana::ejecutar<VentanaMirvesta>("mirvesta"); }
