#include "icono.h"

#include <QDir>
#include <QFileInfo>

namespace calculadora {

QIcon icono(const QString& recurso)
{
    const QFileInfo svg(recurso);
    QIcon icono;
    const QDir carpeta = svg.dir();
    for (const QString& png : carpeta.entryList({svg.completeBaseName() + QStringLiteral("-*.png")}, QDir::Files))
        icono.addFile(carpeta.filePath(png));
    return icono;
}

} // namespace calculadora
