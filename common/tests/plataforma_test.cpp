#include "numerico/aritmetica.h"
#include "numerico/lectura.h"
#include "plataforma/manejadores.h"
#include "plataforma/texto.h"
#include "soporte/prueba_gui.h"
#include "ventana/aplicacion.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSet>

namespace {

// Each GUI test runs in a "." and in a "," locale, given by LC_ALL.
TEST(Plataforma, SeparadoresSiguenAlLocaleDelUsuario)
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("LC_ALL"));
    const bool coma = qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("es_ES"));
    EXPECT_EQ(plataforma::separadores_del_sistema().decimal, coma ? u',' : u'.');
    EXPECT_EQ(plataforma::separadores_del_sistema().grupo, coma ? u'.' : u',');
}

// A failing handler stops at the failing step and says why, each cause in
// words of its own (an unforeseen one too); the window goes on taking events.
TEST(Plataforma, LaGuardiaDetieneElManejadorYAvisa)
{
    QWidget ventana;
    QLabel escrito(&ventana);
    const std::function<double()> pasos[] = {
        [] { return numerico::dividir(1, 0); }, [] { return numerico::dividir(0, 0); },
        [] { return numerico::multiplicar(1e300, 1e300); },
        [] { return numerico::texto_a_numero(u"abc", numerico::separadores_punto); }, [] { return std::stod("x"); }};
    QSet<QString> textos;
    for (const auto& paso : pasos) {
        const auto avisos = prueba::avisos_durante([&] {
            plataforma::con_guardia(&ventana, [&] {
                escrito.setText(QStringLiteral("antes del fallo"));
                escrito.setText(QString::number(paso()));
            });
        });
        ASSERT_EQ(avisos.size(), 1U);
        EXPECT_TRUE(avisos[0].titulo == "Atencion" && !avisos[0].texto.isEmpty() &&
                    avisos[0].icono == QMessageBox::Information && avisos[0].botones == QMessageBox::Ok);
        EXPECT_EQ(escrito.text(), QStringLiteral("antes del fallo"));
        textos.insert(avisos[0].texto);
    }
    EXPECT_EQ(textos.size(), std::size(pasos)) << "each cause has its own message";
    plataforma::con_guardia(&ventana, [&] { escrito.setText(QStringLiteral("luego")); });
    EXPECT_EQ(escrito.text(), QStringLiteral("luego"));
}

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
    ventana::preparar_aplicacion(*qApp, QStringLiteral("velorna"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(CARPETA_DE_DISTRIBUCION "/") + QGuiApplication::desktopFileName() +
                              QStringLiteral(".desktop")));
}

} // namespace
