#include "accesibilidad/anunciador.h"
#include "accesibilidad/notificacion.h"

#include "soporte/prueba_gui.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>
#include <vector>

namespace {

// What the user does between results: a key pressed or let go, a repeat of
// the key held down, a turn to another program.
enum class Suceso { pulsar, soltar, repetir, cambiar_de_programa, apretar_boton, soltar_boton };

void ocurre(QWidget& ventana, Suceso suceso)
{
    const auto tecla = [&ventana](QEvent::Type tipo, bool repetida) {
        QKeyEvent evento(tipo, Qt::Key_Up, Qt::NoModifier, {}, repetida);
        QApplication::sendEvent(&ventana, &evento);
    };
    if (suceso == Suceso::apretar_boton || suceso == Suceso::soltar_boton) { // a thumb dragged
        const bool apretado = suceso == Suceso::apretar_boton;
        QMouseEvent evento(apretado ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, QPointF(1, 1),
                           QPointF(1, 1), Qt::LeftButton, apretado ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&ventana, &evento);
        return;
    }
    if (suceso == Suceso::cambiar_de_programa) {
        QEvent desactivada(QEvent::ApplicationDeactivate);
        QApplication::sendEvent(qApp, &desactivada);
        return;
    }
    if (suceso == Suceso::repetir) // a held key repeats as a release and a press, both marked repeated
        tecla(QEvent::KeyRelease, true);
    tecla(suceso == Suceso::soltar ? QEvent::KeyRelease : QEvent::KeyPress, suceso == Suceso::repetir);
}

// Results told while a key is held wait for its release: a key held down
// ends with the last result alone; plain presses are told one by one, the
// same result again too; a key still down when the user turns to another
// program is let go there; a thumb dragged ends with the result at its
// release.
TEST(Anunciador, ElUltimoResultadoAlSoltarLaTecla)
{
    using enum Suceso;
    QWidget ventana;
    auto* anunciador = new accesibilidad::Anunciador(&ventana);
    QStringList oido;
    QObject::connect(anunciador, &accesibilidad::Anunciador::dicho, anunciador,
                     [&oido](const QString& texto) { oido << texto; });
    // Each result, and what the user does after it.
    const std::pair<const char*, std::vector<Suceso>> pasos[] = {
        {"15.915", {pulsar}},         {"14.469", {repetir}},
        {"13.263", {repetir}},        {"12.243", {soltar, pulsar}},
        {"12.243", {soltar, pulsar}}, {"11.368", {cambiar_de_programa}},
        {"10.610", {apretar_boton}},  {"9.947", {}},
        {"9.362", {soltar_boton}}};
    for (const auto& [resultado, despues] : pasos) {
        anunciador->anunciar(QString::fromLatin1(resultado));
        for (const Suceso suceso : despues)
            ocurre(ventana, suceso);
    }
    EXPECT_EQ(oido, (QStringList{QStringLiteral("15.915"), QStringLiteral("12.243"), QStringLiteral("12.243"),
                                 QStringLiteral("11.368"), QStringLiteral("10.610"), QStringLiteral("9.362")}));
    // Where results go through a notification, it has no size: on no screen,
    // a screen reader's review skips it.
    for (const QWidget* notificacion : ventana.findChildren<accesibilidad::Notificacion*>())
        EXPECT_EQ(notificacion->size(), QSize(0, 0));
}

} // namespace
