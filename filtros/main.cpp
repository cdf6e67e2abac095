#include "ventana_filtros.h"

#include "ventana/aplicacion.h"

int main(int argc, char* argv[]) { return ventana::ejecutar<VentanaFiltros>(argc, argv, QStringLiteral("filtros")); }
