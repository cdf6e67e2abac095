#include "numerico/aritmetica.h"
#include "numerico/fallos.h"
#include "plataforma/servicios.h"
#include "soporte/prueba_gui.h"
#include "ventana/aplicacion.h"
#include "ventana/estilo.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QFontInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

TEST(Plataforma, SeparadoresSiguenAlLocaleDelUsuario)
{
    const std::string locale = std::getenv("LC_ALL") ? std::getenv("LC_ALL") : "";
    const numerico::Separadores sep = plataforma::separadores_del_sistema();
    if (locale.rfind("es_ES", 0) == 0) {
        EXPECT_EQ(sep.decimal, u',');
        EXPECT_EQ(sep.grupo, u'.');
    } else {
        EXPECT_EQ(sep.decimal, u'.');
        EXPECT_EQ(sep.grupo, u',');
    }
}

TEST(Plataforma, LaGuardiaDetieneElManejadorYAvisa)
{
    QWidget ventana;
    auto* escrito = new QLabel(QStringLiteral("antes"), &ventana);
    auto* no_escrito = new QLabel(QStringLiteral("antes"), &ventana);
    const auto avisos = prueba::avisos_durante([&] {
        plataforma::con_guardia(&ventana, [&] {
            escrito->setText(QStringLiteral("escrito"));
            const double cociente = numerico::dividir(1.0, 0.0);
            no_escrito->setText(QString::number(cociente));
        });
    });
    EXPECT_EQ(escrito->text(), QStringLiteral("escrito"));
    EXPECT_EQ(no_escrito->text(), QStringLiteral("antes"));
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_EQ(avisos[0].titulo, QStringLiteral("Atencion"));
    EXPECT_TRUE(avisos[0].texto.contains(QStringLiteral("dividir por cero")));
    EXPECT_EQ(avisos[0].icono, QMessageBox::Information);
    EXPECT_EQ(avisos[0].botones, QMessageBox::Ok);

    // The window goes on taking events.
    const auto despues = prueba::avisos_durante(
        [&] { plataforma::con_guardia(&ventana, [&] { no_escrito->setText(QStringLiteral("luego")); }); });
    EXPECT_TRUE(despues.empty());
    EXPECT_EQ(no_escrito->text(), QStringLiteral("luego"));
}

struct Contador : QWidget {
    int llamadas = 0;
    void contar() { ++llamadas; }
};

TEST(Plataforma, UnaNotificacionPorMovimientoDelDeslizador)
{
    Contador ventana;
    auto* deslizador = new QSlider(Qt::Vertical, &ventana);
    deslizador->setRange(1, 100);
    deslizador->setTracking(false);
    plataforma::al_mover(deslizador, &ventana, &Contador::contar);

    deslizador->setValue(5);
    EXPECT_EQ(ventana.llamadas, 1);

    // Dragging the thumb notifies on every position, before it is let go.
    deslizador->setSliderDown(true);
    deslizador->setSliderPosition(6);
    deslizador->setSliderPosition(7);
    EXPECT_EQ(ventana.llamadas, 3);
    deslizador->setSliderDown(false);
    EXPECT_EQ(ventana.llamadas, 3);

    QTest::keyClick(deslizador, Qt::Key_End);
    EXPECT_EQ(deslizador->value(), 100);
    EXPECT_EQ(ventana.llamadas, 4);
}

// Qt's own texts speak Spanish in every locale, and the numbers keep the
// user's separators (SeparadoresSiguenAlLocaleDelUsuario).
TEST(Aplicacion, TextosDeQtEnEspanol)
{
    QMessageBox caja(QMessageBox::Information, QStringLiteral("Atencion"), QStringLiteral("texto"), QMessageBox::Ok);
    EXPECT_EQ(caja.button(QMessageBox::Ok)->text().remove(u'&'), QStringLiteral("Aceptar"));

    QLineEdit entrada;
    const std::unique_ptr<QMenu> menu(entrada.createStandardContextMenu());
    QStringList acciones;
    for (const QAction* accion : menu->actions())
        acciones << accion->text().remove(u'&').section(u'\t', 0, 0);
    for (const char* texto : {"Copiar", "Pegar", "Seleccionar todo"})
        EXPECT_TRUE(acciones.contains(QString::fromLatin1(texto))) << texto << acciones.join(u',').toStdString();
}

// Docks and task bars match the window to its menu entry by this name.
TEST(Aplicacion, NombreDeLaEntradaDeMenu)
{
    ventana::preparar_aplicacion(*qApp, QStringLiteral("velorna"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("org.calculadorasrf.velorna"));
    EXPECT_TRUE(QFile::exists(QStringLiteral(CARPETA_DE_DISTRIBUCION "/") + QGuiApplication::desktopFileName() +
                              QStringLiteral(".desktop")));
}

TEST(Ventana, ImagenesComunesCompiladasEnElPrograma)
{
    for (const char* nombre : {":/imagenes/osciloscopio.svg", ":/imagenes/puerta.svg", ":/imagenes/logo.svg"})
        EXPECT_TRUE(QFile::exists(QString::fromLatin1(nombre))) << nombre;
}

TEST(Ventana, FuenteDeDisenoOSuSustituta)
{
    const QFontInfo info(ventana::fuente(13.5, true));
    EXPECT_TRUE(info.family() == QLatin1String(ventana::familia_de_diseno) ||
                info.family() == QLatin1String(ventana::familia_sustituta))
        << info.family().toStdString();
    EXPECT_TRUE(info.bold());
    EXPECT_DOUBLE_EQ(info.pointSizeF(), 13.5);
}

} // namespace
