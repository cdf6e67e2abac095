#include "ventana_filtros.h"

#include "ventana/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaFiltros>("filtros"); }
