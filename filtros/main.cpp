#include "ventana_filtros.h"

#include "programa/aplicacion.h"

int main() { return calculadora::ejecutar<VentanaFiltros>("filtros"); }
