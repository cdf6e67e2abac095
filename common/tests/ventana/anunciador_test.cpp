#include "accesibilidad/anunciador.h"

#include "soporte/prueba_gui.h"

#include <QKeyEvent>

namespace {

// Results told while a key is held wait for its release: a key held down
// ends with the last result alone; plain presses are told one by one, the
// same result again too; a key still down when the user turns to another
// program is let go there.
TEST(Anunciador, ElUltimoResultadoAlSoltarLaTecla)
{
    QWidget ventana;
    auto* anunciador = new accesibilidad::Anunciador(&ventana);
    QStringList oido;
    QObject::connect(anunciador, &accesibilidad::Anunciador::dicho, anunciador,
                     [&oido](const QString& texto) { oido << texto; });
    const auto tecla = [&ventana](QEvent::Type tipo, bool repetida) {
        QKeyEvent evento(tipo, Qt::Key_Up, Qt::NoModifier, {}, repetida);
        QApplication::sendEvent(&ventana, &evento);
    };
    // "v" a key pressed, "^" let go, "~" a repeat of the key held down, "x"
    // the user turning to another program; anything else a result.
    for (const char* paso : {"15.915", "v", "14.469", "~", "13.263", "~", "12.243", "^", "v", "12.243", "^", "v",
                             "11.368", "x", "10.610"}) {
        const QString p = QString::fromLatin1(paso);
        if (p == u"v" || p == u"^")
            tecla(p == u"v" ? QEvent::KeyPress : QEvent::KeyRelease, false);
        else if (p == u"~") {
            tecla(QEvent::KeyRelease, true);
            tecla(QEvent::KeyPress, true);
        } else if (p == u"x") {
            QEvent desactivada(QEvent::ApplicationDeactivate);
            QApplication::sendEvent(qApp, &desactivada);
        } else
            anunciador->anunciar(p);
    }
    EXPECT_EQ(oido, (QStringList{QStringLiteral("15.915"), QStringLiteral("12.243"), QStringLiteral("12.243"),
                                 QStringLiteral("11.368"), QStringLiteral("10.610")}));
}

} // namespace
