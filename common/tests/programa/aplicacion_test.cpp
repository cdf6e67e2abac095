#include "programa/aplicacion.h"
#include "programa/ventana_calculadora.h"
#include "ventana/marco_de_opciones.h"

#include "soporte/prueba_gui.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

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
    EXPECT_TRUE(QFile::exists(QStringLiteral(RAIZ_DEL_PROYECTO "/velorna/") + QGuiApplication::desktopFileName() +
                              QStringLiteral(".desktop")));
}

// A window of fixed size asks for no maximize button, and whatever asks it
// to grow (a title bar Qt draws, a desktop's key) leaves it as it was, while
// minimized stays minimized.
TEST(VentanaCalculadora, NoSeMaximiza)
{
    calculadora::DisenoDeVentana diseno;
    diseno.nombre = "frm_prueba";
    diseno.titulo = "Prueba";
    diseno.ancho = 6000;
    diseno.alto = 3000;
    calculadora::VentanaCalculadora ventana(diseno);
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    EXPECT_FALSE(ventana.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(ventana.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(ventana.windowFlags() & Qt::WindowCloseButtonHint);
    const QSize tamano = ventana.size();
    const struct {
        Qt::WindowStates pedido, queda;
    } casos[] = {
        {Qt::WindowMaximized, Qt::WindowNoState},
        {Qt::WindowFullScreen, Qt::WindowNoState},
        {Qt::WindowMaximized | Qt::WindowFullScreen, Qt::WindowNoState},
        {Qt::WindowMinimized | Qt::WindowMaximized, Qt::WindowMinimized},
    };
    for (const auto& caso : casos) {
        ventana.setWindowState(caso.pedido);
        QCoreApplication::processEvents();
        EXPECT_EQ(ventana.windowState(), caso.queda) << caso.pedido.toInt();
        EXPECT_EQ(ventana.size(), tamano) << caso.pedido.toInt();
        ventana.setWindowState(Qt::WindowNoState);
    }
}

// Left and Right move through the options of a column as Up and Down do,
// each move a choice; past either end nothing moves.
TEST(MarcoDeOpciones, FlechasEnLaColumna)
{
    QWidget ventana;
    calculadora::MarcoDeOpciones marco(&ventana, {QStringLiteral("Opciones"),
                                                  {0, 0, 3000, 3000},
                                                  9.75,
                                                  QStringLiteral("opt_prueba"),
                                                  {u"Una"_s, u"Dos"_s, u"Tres"_s},
                                                  {120, 360, 2000, 300},
                                                  600});
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    marco.opcion(0)->setFocus();
    QSignalSpy elecciones(&marco, &calculadora::MarcoDeOpciones::elegida);
    const std::pair<Qt::Key, int> pasos[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 2},
                                             {Qt::Key_Left, 1},  {Qt::Key_Up, 0},    {Qt::Key_Left, 0}};
    for (const auto& [tecla, queda] : pasos) {
        QTest::keyClick(QApplication::focusWidget(), tecla);
        EXPECT_TRUE(marco.opcion(queda)->isChecked() && marco.opcion(queda)->hasFocus()) << tecla;
    }
    EXPECT_EQ(elecciones.count(), 4);
}

} // namespace
