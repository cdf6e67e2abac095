#include "prueba_gui.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

namespace prueba {
namespace {

std::vector<Aviso>* avisos_esperados = nullptr;

// Closes any message box that a handler opened. While a test waits for
// messages they are recorded; otherwise an unexpected one fails the test
// instead of hanging it.
void cerrar_avisos_abiertos()
{
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!caja)
        return;
    const Aviso aviso{caja->windowTitle(), caja->text(), caja->icon(), caja->standardButtons()};
    if (avisos_esperados)
        avisos_esperados->push_back(aviso);
    else
        ADD_FAILURE() << "aviso inesperado: " << aviso.texto.toStdString();
    caja->done(QMessageBox::Ok);
}

} // namespace

std::vector<Aviso> avisos_durante(const std::function<void()>& accion)
{
    std::vector<Aviso> avisos;
    avisos_esperados = &avisos;
    accion();
    QApplication::processEvents();
    avisos_esperados = nullptr;
    return avisos;
}

QChar separador_decimal() { return QLocale::system().decimalPoint().front(); }

QString en_locale(QString texto) { return texto.replace(QLatin1Char('.'), separador_decimal()); }

} // namespace prueba

int main(int argc, char* argv[])
{
    // Listing the tests (ctest's discovery) runs without the tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // each test opens and closes its own window
    QTimer vigilante;
    QObject::connect(&vigilante, &QTimer::timeout, &aplicacion, prueba::cerrar_avisos_abiertos);
    vigilante.start(20);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
