#include "ventana_filtros.h"

#include "programa/aplicacion.h"

int main(int /*argc*/, char* /*argv*/[]) { return calculadora::ejecutar<VentanaFiltros>("filtros"); }
