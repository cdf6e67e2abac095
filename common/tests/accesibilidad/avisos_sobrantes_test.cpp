#include "accesibilidad/avisos_sobrantes.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Qt's own selection as the focus comes in by Tab and as it leaves, and a
// text set again to itself, are kept from screen readers; the focus, the
// user's own selection and a text that changes reach them. Each step does
// what the user or the program does and hands on the event Qt sends for it.
TEST(AvisosSobrantes, SoloLoQueEsNoticia)
{
    QWidget ventana;
    auto* entrada = new QLineEdit(QStringLiteral("uF"), &ventana);
    auto* boton = new QPushButton(&ventana);
    boton->move(0, 40);
    ventana.show();
    ventana.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    boton->setFocus();
    // Where Qt is active for screen readers, its own events of the steps go
    // nowhere: the steps hand theirs on, in the order a screen reader gets them.
    const auto anterior = QAccessible::installUpdateHandler([](QAccessibleEvent* /*evento*/) {});

    using Evento = std::unique_ptr<QAccessibleEvent>;
    const auto seleccion = [entrada]() -> Evento {
        return std::make_unique<QAccessibleTextSelectionEvent>(entrada, entrada->selectionStart(),
                                                               entrada->selectionEnd());
    };
    const auto texto = [entrada](const char* antes, const char* ahora) {
        return [=]() -> Evento {
            return std::make_unique<QAccessibleTextUpdateEvent>(entrada, 0, QString::fromUtf8(antes),
                                                                QString::fromUtf8(ahora));
        };
    };
    const struct {
        const char* paso;
        std::function<void()> hacer;
        std::function<Evento()> evento;
        bool sobra;
    } pasos[] = {
        {"Tab into the entry: all selected", [&] { entrada->setFocus(Qt::TabFocusReason); }, seleccion, true},
        {"the focus told", [] {},
         [&]() -> Evento { return std::make_unique<QAccessibleEvent>(entrada, QAccessible::Focus); }, false},
        {"the user selects", [&] { entrada->setSelection(0, 1); }, seleccion, false},
        {"the user selects all", [&] { entrada->selectAll(); }, seleccion, false},
        {"Tab out: unselected", [&] { boton->setFocus(Qt::TabFocusReason); }, seleccion, true},
        {"the same text again", [] {}, texto("uF", "uF"), true},
        {"another text", [] {}, texto("uF", "nF"), false},
    };
    for (const auto& paso : pasos) {
        paso.hacer();
        EXPECT_EQ(accesibilidad::es_aviso_sobrante(paso.evento().get()), paso.sobra) << paso.paso;
    }
    QAccessible::installUpdateHandler(anterior);
}

} // namespace
