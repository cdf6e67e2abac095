#include "ventana_filtros.h"

#include "ventana/aplicacion.h"

int main() { return ventana::ejecutar<VentanaFiltros>("filtros"); }
