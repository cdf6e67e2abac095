#include "manejadores.h"

#include "numerico/fallos.h"

#include <QMessageBox>
#include <QWidget>

namespace servicios {
namespace {

// Why a handler stopped, in the user's words.
QString motivo(const std::exception& fallo)
{
    const auto* numerico = dynamic_cast<const numerico::fallo_numerico*>(&fallo);
    if (!numerico)
        return QStringLiteral("Error interno.");
    switch (numerico->causa()) {
    case numerico::Causa::no_es_numero:
        return QStringLiteral("El texto no es un número válido.");
    case numerico::Causa::division_por_cero:
        return QStringLiteral("El cálculo intentó dividir por cero.");
    case numerico::Causa::desbordamiento:
        return QStringLiteral("Un valor del cálculo es demasiado grande.");
    case numerico::Causa::operacion_invalida:
        break;
    }
    return QStringLiteral("El cálculo no tiene un resultado válido.");
}

} // namespace

void avisar(QWidget* ventana, const QString& texto, const QString& titulo)
{
    QMessageBox mensaje(QMessageBox::Information, titulo, texto, QMessageBox::Ok, ventana);
    mensaje.exec();
}

void descargar(QWidget* ventana) { ventana->close(); }

void avisar_fallo(QWidget* ventana, const std::exception& fallo)
{
    avisar(ventana, QStringLiteral("No se pudo completar el cálculo. %1").arg(motivo(fallo)));
}

} // namespace servicios
