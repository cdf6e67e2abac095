#include "accesibilidad/anunciador.h"

#include "soporte/prueba_gui.h"

#include <QKeyEvent>

#include <variant>

namespace {

// What happens to the window, in order: a key pressed or let go, a repeat of
// the key held down, the user turning to another program, or a new result.
enum class Suceso { pulsar, soltar, repetir, cambiar_de_programa };
using Paso = std::variant<Suceso, const char*>;

void enviar_tecla(QWidget& destino, QEvent::Type tipo, bool repetida)
{
    QKeyEvent evento(tipo, Qt::Key_Up, Qt::NoModifier, {}, repetida);
    QApplication::sendEvent(&destino, &evento);
}

void ocurre(QWidget& destino, Suceso suceso)
{
    switch (suceso) {
    case Suceso::pulsar:
        enviar_tecla(destino, QEvent::KeyPress, false);
        break;
    case Suceso::soltar:
        enviar_tecla(destino, QEvent::KeyRelease, false);
        break;
    case Suceso::repetir: // a held key repeats as a release and a press, both marked repeated
        enviar_tecla(destino, QEvent::KeyRelease, true);
        enviar_tecla(destino, QEvent::KeyPress, true);
        break;
    case Suceso::cambiar_de_programa: {
        QEvent desactivada(QEvent::ApplicationDeactivate);
        QApplication::sendEvent(qApp, &desactivada);
        break;
    }
    }
}

// Results told while a key is held wait for its release: a key held down
// ends with the last result alone; plain presses are told one by one, the
// same result again too; a key still down when the user turns to another
// program is let go there.
TEST(Anunciador, ElUltimoResultadoAlSoltarLaTecla)
{
    using enum Suceso;
    QWidget propia;
    auto* anunciador = new accesibilidad::Anunciador(&propia);
    QStringList oido;
    QObject::connect(anunciador, &accesibilidad::Anunciador::dicho, anunciador,
                     [&oido](const QString& texto) { oido << texto; });
    const Paso pasos[] = {"15.915", pulsar, "14.469", repetir, "13.263", repetir, "12.243", soltar,
                          pulsar,   "12.243", soltar, pulsar, "11.368", cambiar_de_programa, "10.610"};
    for (const Paso& paso : pasos) {
        if (const auto* resultado = std::get_if<const char*>(&paso))
            anunciador->anunciar(QString::fromLatin1(*resultado));
        else
            ocurre(propia, std::get<Suceso>(paso));
    }
    EXPECT_EQ(oido, (QStringList{QStringLiteral("15.915"), QStringLiteral("12.243"), QStringLiteral("12.243"),
                                 QStringLiteral("11.368"), QStringLiteral("10.610")}));
}

} // namespace
