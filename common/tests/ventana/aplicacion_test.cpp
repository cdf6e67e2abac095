#include "ventana/aplicacion.h"

#include "soporte/prueba_gui.h"

#include <QAction>
#include <QFile>
#include <QMenu>

namespace {

// Qt's own texts speak Spanish whatever the locale (the message box's
// "Aceptar" is read through the real program); docks and task bars match
// the window to its menu entry by the desktop file name.
TEST(Aplicacion, TextosDeQtEnEspanolYEntradaDeMenu)
{
    QLineEdit entrada;
    const std::unique_ptr<QMenu> menu(entrada.createStandardContextMenu());
    QStringList acciones;
    for (const QAction* accion : menu->actions())
        acciones << accion->text().remove(u'&').section(u'\t', 0, 0);
    for (const char* texto : {"Copiar", "Pegar", "Seleccionar todo"})
        EXPECT_TRUE(acciones.contains(QString::fromLatin1(texto))) << texto;
    calculadora::preparar_aplicacion(*qApp, QStringLiteral("velorna"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(CARPETA_DE_DISTRIBUCION "/") + QGuiApplication::desktopFileName() +
                              QStringLiteral(".desktop")));
}

} // namespace
