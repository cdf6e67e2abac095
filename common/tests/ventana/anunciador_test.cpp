#include "ventana/anunciador.h"

#include "soporte/prueba_gui.h"

#include <QKeyEvent>

namespace {

void tecla(QWidget* ventana, QEvent::Type tipo, bool repetida)
{
    QKeyEvent evento(tipo, Qt::Key_Up, Qt::NoModifier, {}, repetida);
    QApplication::sendEvent(ventana, &evento);
}

// Results told while a key is held wait for its release: a key held down
// ends with the last result alone; plain presses are told one by one, the
// same result again too.
TEST(Anunciador, ElUltimoResultadoAlSoltarLaTecla)
{
    QWidget ventana;
    auto* anunciador = new ventana::Anunciador(&ventana);
    QStringList oido;
    QObject::connect(anunciador, &ventana::Anunciador::dicho, anunciador,
                     [&oido](const QString& texto) { oido << texto; });

    anunciador->anunciar(QStringLiteral("15.915 KHz"));
    EXPECT_EQ(oido, QStringList{QStringLiteral("15.915 KHz")}) << "sin tecla pulsada, al momento";

    tecla(&ventana, QEvent::KeyPress, false);
    anunciador->anunciar(QStringLiteral("14.469 KHz"));
    for (const char* resultado : {"13.263 KHz", "12.243 KHz"}) {
        tecla(&ventana, QEvent::KeyRelease, true);
        tecla(&ventana, QEvent::KeyPress, true);
        anunciador->anunciar(QString::fromLatin1(resultado));
    }
    EXPECT_EQ(oido.size(), 1) << "nada mientras la tecla sigue abajo";
    tecla(&ventana, QEvent::KeyRelease, false);
    tecla(&ventana, QEvent::KeyPress, false);
    anunciador->anunciar(QStringLiteral("12.243 KHz"));
    tecla(&ventana, QEvent::KeyRelease, false);
    EXPECT_EQ(oido,
              (QStringList{QStringLiteral("15.915 KHz"), QStringLiteral("12.243 KHz"), QStringLiteral("12.243 KHz")}));

    // A key still down when the user turns to another program is let go
    // there: what waits is told, and the next result at once.
    tecla(&ventana, QEvent::KeyPress, false);
    anunciador->anunciar(QStringLiteral("11.368 KHz"));
    QEvent desactivada(QEvent::ApplicationDeactivate);
    QApplication::sendEvent(qApp, &desactivada);
    anunciador->anunciar(QStringLiteral("10.610 KHz"));
    EXPECT_EQ(oido.mid(3), (QStringList{QStringLiteral("11.368 KHz"), QStringLiteral("10.610 KHz")}));
}

} // namespace
