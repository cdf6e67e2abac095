#pragma once

// Support for the tests that drive a real calculator window offscreen.

#include <QApplication>
#include <QMessageBox>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QSlider;

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <utility>
#include <vector>

inline void PrintTo(const QString& texto, std::ostream* os) { *os << '"' << texto.toStdString() << '"'; }

namespace prueba {

// What a message box showed before the test closed it.
struct Aviso {
    QString titulo;
    QString texto;
    QMessageBox::Icon icono;
    QMessageBox::StandardButtons botones;
};

// Runs the action and returns every message box it opened, each closed with
// OK as soon as it showed. A message box outside this fails the test.
std::vector<Aviso> avisos_durante(const std::function<void()>& accion);

// The window's control with that objectName; the test fails without it.
template <typename Control>
Control* control(const QWidget& ventana, const QString& nombre)
{
    auto* encontrado = ventana.findChild<Control*>(nombre);
    if (!encontrado)
        ADD_FAILURE() << "no hay control " << nombre.toStdString();
    return encontrado;
}

// Fails the test for every label, option button, frame caption or button
// of the window whose text is wider (or a label's font taller) than its box.
void comprobar_textos_sin_cortar(const QWidget& ventana);

// Replaces the box's text by typing, as a user selects all and types over it.
void reemplazar_texto(QLineEdit* caja, const QString& texto);

// Moves the slider with one key press, or with Qt::Key_unknown drags its
// thumb to the position (notifying while it is held) and lets it go.
void mover(QSlider* deslizador, Qt::Key tecla, int posicion);

// Activates the window and presses Tab from its focus widget until the focus
// comes back, returning the objectNames of the controls it visited in order;
// each must have an accessible name, which the test checks.
QStringList recorrer_con_tabulador(QWidget& ventana);

// Selects the whole text of a locked box with the keyboard and copies it;
// returns what the clipboard then holds.
QString copiar_con_teclado(QLineEdit* caja);

// Where a piece of a label's text stands, left and right edge, in the
// coordinates of the label's container.
std::pair<qreal, qreal> extension_del_texto(const QLabel* etiqueta, const QString& pieza);

// Whether the box shows its whole text: nothing scrolled out at either end.
bool muestra_todo_el_texto(QLineEdit* caja);

// The contrast of each text of the window with what stands behind it, by
// "container/objectName" (WCAG contrast ratio, 1 to 21).
std::map<QString, double> contrastes_de_los_textos(const QWidget& ventana);

// A palette of white text on black, as a dark colour scheme sets it.
QPalette paleta_oscura();

// Builds the window under the default palette and under a dark one, and
// fails for every text whose contrast is lower under the dark palette.
template <typename Ventana>
void comprobar_tema_oscuro()
{
    const auto claros = contrastes_de_los_textos(*std::make_unique<Ventana>());
    const QPalette antes = QApplication::palette();
    QApplication::setPalette(paleta_oscura());
    const auto oscuros = contrastes_de_los_textos(*std::make_unique<Ventana>());
    QApplication::setPalette(antes);
    ASSERT_EQ(claros.size(), oscuros.size());
    for (const auto& [texto, contraste] : claros)
        EXPECT_GE(oscuros.at(texto), contraste - 0.01) << texto.toStdString();
}

// The user's decimal separator, as the running locale gives it.
QChar separador_decimal();

// A text written with "." as decimal point, in the user's locale.
QString en_locale(QString texto);

} // namespace prueba
