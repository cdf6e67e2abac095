#pragma once

// Support for the tests that drive a real calculator window offscreen.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

class QLabel;

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

// A text written with "." as decimal point, in the user's locale.
QString en_locale(const char* texto);

// A slider's thumb dragged to a position and held there: what the window
// shows then, it shows while dragging.
struct Arrastre {
    int hasta;
};

// A test with the calculator window Ventana shown offscreen.
template <typename Ventana>
class ConVentana : public testing::Test {
protected:
    void SetUp() override
    {
        ventana.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana));
    }
    // The window's control with that objectName; a missing one ends the test.
    template <typename Control = QWidget>
    [[nodiscard]] Control* control(const char* nombre) const
    {
        if (auto* encontrado = ventana.template findChild<Control*>(QString::fromUtf8(nombre)))
            return encontrado;
        throw std::runtime_error(std::string("no hay control ") + nombre);
    }
    [[nodiscard]] QString texto(const char* caja) const { return control<QLineEdit>(caja)->text(); }
    // Types over an entry or an editable list, as a user selects all and types.
    void escribir(const char* nombre, const char* texto)
    {
        auto* lista = qobject_cast<QComboBox*>(control(nombre));
        QLineEdit* caja = lista ? lista->lineEdit() : control<QLineEdit>(nombre);
        QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(caja, Qt::Key_Delete);
        QTest::keyClicks(caja, QString::fromUtf8(texto));
    }
    void pulsar(const char* nombre) { QTest::mouseClick(control(nombre), Qt::LeftButton); }

    // A slider moved by a key or by its thumb, and what the window shows
    // then: the read-out in the box and the result (with "." as decimal
    // point).
    struct Movimiento {
        const char* deslizador;
        std::variant<Qt::Key, Arrastre> accion;
        const char* caja;
        QString lectura;
        const char* resultado;
    };
    void comprobar_movimientos(std::initializer_list<Movimiento> movimientos, const std::function<QString()>& resultado)
    {
        for (const Movimiento& m : movimientos) {
            auto* deslizador = control<QSlider>(m.deslizador);
            if (const auto* arrastre = std::get_if<Arrastre>(&m.accion)) {
                deslizador->setSliderDown(true);
                deslizador->setSliderPosition(arrastre->hasta);
            } else {
                QTest::keyClick(deslizador, std::get<Qt::Key>(m.accion));
            }
            EXPECT_EQ(texto(m.caja), m.lectura) << m.deslizador;
            EXPECT_EQ(resultado(), en_locale(m.resultado)) << m.deslizador;
        }
    }

    Ventana ventana;
};

// Fails for every label of the window whose text is wider or taller than its
// box, and for every picture that does not draw: the window icon, the
// buttons' pictures (normal and disabled, also at 200 %), the schematics.
void comprobar_diseno_completo(const QWidget& ventana);

// Where a piece of a label's text stands, left and right edge, in the
// coordinates of the label's container.
std::pair<qreal, qreal> extension_del_texto(const QLabel* etiqueta, const QString& pieza);

// Whether the box shows its whole text: nothing scrolled out at either end.
bool muestra_todo_el_texto(QLineEdit* caja);

// Builds a window under the desktop's dark colour scheme (the test runs with
// qt6ct's "darker" on Linux, high-contrast colours on Windows) and under the
// default light palette, and fails for every text whose contrast in the dark
// is below both its contrast in the light and what the scheme gives its own
// texts.
void comprobar_tema_oscuro(const std::function<std::unique_ptr<QWidget>()>& crear);

// Builds the window under the Fusion and Windows styles and under the
// desktop's own, and fails for every white frame whose inside, where its
// controls leave it bare, is not white.
void comprobar_marcos_blancos_en_cada_estilo(const std::function<std::unique_ptr<QWidget>()>& crear);

// Both of the above for a window of the class Ventana.
template <typename Ventana>
void comprobar_en_cada_tema_y_estilo()
{
    const auto crear = [] { return std::make_unique<Ventana>(); };
    comprobar_tema_oscuro(crear);
    comprobar_marcos_blancos_en_cada_estilo(crear);
}

} // namespace prueba
