#include "escritorio.h"
#include "sesion.h"

#include <QLibraryInfo>
#include <QVersionNumber>

namespace escritorio {

namespace {

// Qt before 6.8 reads the accessibility bus's status once, as it starts, and
// never again; with its own switch it keeps the bridge open whenever the bus
// is there, as Qt 6.8 opens it when a screen reader comes. Decided by the Qt
// the program runs with, which may be newer than the one it was built with.
void mantener_abierto_el_puente_accesible()
{
    if (QLibraryInfo::version() < QVersionNumber(6, 8) &&
        !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

} // namespace

std::optional<std::string> antes_de_qt()
{
    mantener_abierto_el_puente_accesible();
    return plataforma_de_qt(sesion_del_entorno());
}

} // namespace escritorio
