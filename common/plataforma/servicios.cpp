#include "servicios.h"

#include "numerico/fallos.h"

#include <QLocale>
#include <QMessageBox>
#include <QWidget>

namespace plataforma {
namespace {

// Qt gives the separators as strings; every locale the calculators meet
// uses a single UTF-16 unit for each.
char16_t primer_caracter(const QString& texto, char16_t si_vacio)
{
    return texto.isEmpty() ? si_vacio : texto.front().unicode();
}

} // namespace

numerico::Separadores separadores_del_sistema()
{
    const QLocale sistema = QLocale::system();
    return {primer_caracter(sistema.decimalPoint(), u'.'), primer_caracter(sistema.groupSeparator(), u',')};
}

void avisar(QWidget* ventana, const QString& texto, const QString& titulo)
{
    QMessageBox caja(QMessageBox::Information, titulo, texto, QMessageBox::Ok, ventana);
    caja.exec();
}

void descargar(QWidget* ventana)
{
    ventana->close();
}

void avisar_fallo(QWidget* ventana, const std::exception& fallo)
{
    const bool numerico = dynamic_cast<const numerico::fallo_numerico*>(&fallo) != nullptr;
    const QString motivo = numerico ? QString::fromUtf8(fallo.what()) : QStringLiteral("Error interno.");
    avisar(ventana, QStringLiteral("No se pudo completar el cálculo. %1").arg(motivo));
}

} // namespace plataforma
