#include "prueba_gui.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QLocale>
#include <QTimer>
#include <QToolButton>

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

void comprobar_textos_sin_cortar(const QWidget& ventana)
{
    for (const QLabel* etiqueta : ventana.findChildren<QLabel*>()) {
        const QRect caja = etiqueta->contentsRect();
        const QRect texto = QFontMetrics(etiqueta->font())
                                .boundingRect(caja, Qt::AlignLeft | Qt::AlignTop | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0),
                                              etiqueta->text());
        EXPECT_LE(texto.width(), caja.width()) << etiqueta->objectName().toStdString();
        EXPECT_LE(texto.height(), caja.height()) << etiqueta->objectName().toStdString();
    }
    for (const QAbstractButton* boton : ventana.findChildren<QAbstractButton*>()) {
        EXPECT_LE(boton->sizeHint().width(), boton->width()) << boton->objectName().toStdString();
        // A button with a picture needs its whole height; an option button its text's.
        const int alto = qobject_cast<const QToolButton*>(boton) ? boton->sizeHint().height()
                                                                 : QFontMetrics(boton->font()).height();
        EXPECT_LE(alto, boton->height()) << boton->objectName().toStdString();
    }
    for (const QGroupBox* marco : ventana.findChildren<QGroupBox*>())
        EXPECT_LT(QFontMetrics(marco->font()).horizontalAdvance(marco->title()), marco->width() - 16)
            << marco->objectName().toStdString();
}

void reemplazar_texto(QLineEdit* caja, const QString& texto)
{
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_Delete);
    QTest::keyClicks(caja, texto);
}

void mover(QSlider* deslizador, Qt::Key tecla, int posicion)
{
    if (tecla != Qt::Key_unknown) {
        QTest::keyClick(deslizador, tecla);
        return;
    }
    deslizador->setSliderDown(true);
    deslizador->setSliderPosition(posicion);
    deslizador->setSliderDown(false);
}

QStringList recorrer_con_tabulador(QWidget& ventana)
{
    ventana.activateWindow();
    if (!QTest::qWaitForWindowActive(&ventana)) {
        ADD_FAILURE() << "la ventana no se activa";
        return {};
    }
    QWidget* primero = QApplication::focusWidget();
    QStringList visitados;
    QWidget* actual = primero;
    do {
        QAccessibleInterface* accesible = QAccessible::queryAccessibleInterface(actual);
        EXPECT_TRUE(accesible && !accesible->text(QAccessible::Name).isEmpty())
            << "sin nombre accesible: " << actual->objectName().toStdString();
        visitados << actual->objectName();
        QTest::keyClick(actual, Qt::Key_Tab);
        actual = QApplication::focusWidget();
    } while (actual && actual != primero && visitados.size() < 50);
    return visitados;
}

QString copiar_con_teclado(QLineEdit* caja)
{
    caja->setFocus();
    QTest::keyClick(caja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(caja, Qt::Key_C, Qt::ControlModifier);
    return QGuiApplication::clipboard()->text();
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
