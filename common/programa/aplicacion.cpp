#include "aplicacion.h"

#include "accesibilidad/accesibilidad.h"
#include "escritorio/escritorio.h"
#include "ventana/estilo_de_marcos.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace calculadora {

namespace {

// What Qt reports while the application connects to the display. The
// warnings wait until the connection has succeeded: when it fails, Qt
// reports the failure in several lines before it gives up, and the user is
// told in one line instead.
struct Mensaje {
    QtMsgType tipo;
    QByteArray archivo, funcion, categoria;
    int linea;
    QString texto;
};
struct Arranque {
    std::string programa;
    std::vector<Mensaje> mensajes;
};

// Qt's message handler is a plain function: what it needs lives here.
Arranque& arranque()
{
    static Arranque en_curso;
    return en_curso;
}

void retener_durante_el_arranque(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto)
{
    if (tipo == QtFatalMsg) {
        const std::string linea =
            arranque().programa + ": no se encontró un escritorio gráfico donde abrir la ventana.\n";
        std::fputs(linea.c_str(), stderr);
        std::_Exit(1); // at once: nothing of the application exists to be ended
    }
    arranque().mensajes.push_back({tipo, contexto.file, contexto.function, contexto.category, contexto.line, texto});
}

} // namespace

std::unique_ptr<QApplication> crear_aplicacion(const char* programa)
{
    // Qt keeps both for the application's life. The platform, where the
    // program chooses it, goes in as Qt's own option.
    static QByteArray nombre(programa);
    static QByteArray opcion("-platform");
    static QByteArray plataforma;
    static char* argv[] = {nombre.data(), nullptr, nullptr, nullptr};
    static int argc = 1;
    if (const auto elegida = escritorio::antes_de_qt()) {
        plataforma = QByteArray::fromStdString(*elegida);
        argv[1] = opcion.data();
        argv[2] = plataforma.data();
        argc = 3;
    }

    arranque().programa = programa;
    const QtMessageHandler anterior = qInstallMessageHandler(retener_durante_el_arranque);
    auto aplicacion = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(anterior);
    for (const Mensaje& m : arranque().mensajes)
        qt_message_output(
            m.tipo, QMessageLogContext(m.archivo.constData(), m.linea, m.funcion.constData(), m.categoria.constData()),
            m.texto);
    arranque().mensajes.clear();

    preparar_aplicacion(*aplicacion, QString::fromUtf8(programa));
    return aplicacion;
}

void preparar_aplicacion(QApplication& aplicacion, const QString& programa)
{
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
    // A system without the design's font (Windows under Wine, for one) takes
    // the stand-in the Windows folder ships beside the programs; Linux has
    // it installed.
    const QDir fuentes(QCoreApplication::applicationDirPath() + QStringLiteral("/fuentes"));
    for (const QString& archivo : fuentes.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fuentes.filePath(archivo));
    accesibilidad::instalar_accesibilidad();
    instalar_estilo_de_marcos();
    QApplication::setApplicationName(programa);
    QApplication::setDesktopFileName(QStringLiteral("org.calculadorasrf.") + programa);
}

} // namespace calculadora
