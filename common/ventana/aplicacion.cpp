#include "aplicacion.h"

#include "accesibilidad.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ventana {

void preparar_aplicacion(QApplication& aplicacion, const QString& programa)
{
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
    instalar_accesibilidad();
    QApplication::setApplicationName(programa);
    QApplication::setDesktopFileName(QStringLiteral("org.calculadorasrf.") + programa);
}

} // namespace ventana
