#include "prueba_gui.h"

#include "ventana/aplicacion.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QStyleOption>
#include <QLabel>
#include <QPalette>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QLocale>
#include <QTimer>
#include <QToolButton>

#include <cmath>

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

std::pair<qreal, qreal> extension_del_texto(const QLabel* etiqueta, const QString& pieza)
{
    const QFontMetricsF medidas(etiqueta->font());
    const QString texto = etiqueta->text();
    const qreal origen = etiqueta->x() + etiqueta->contentsRect().x();
    const qreal izquierda = origen + medidas.horizontalAdvance(texto.left(texto.lastIndexOf(pieza)));
    return {izquierda, izquierda + medidas.horizontalAdvance(pieza)};
}

namespace {

// The first and last columns of the image that hold the text's colour.
std::pair<int, int> columnas_con_tinta(const QImage& imagen, const QColor& tinta)
{
    int primera = imagen.width();
    int ultima = -1;
    for (int y = 0; y < imagen.height(); ++y) {
        for (int x = 0; x < imagen.width(); ++x) {
            const QColor c = imagen.pixelColor(x, y);
            if (qAbs(c.red() - tinta.red()) + qAbs(c.green() - tinta.green()) + qAbs(c.blue() - tinta.blue()) < 60) {
                primera = std::min(primera, x);
                ultima = std::max(ultima, x);
            }
        }
    }
    return {primera, ultima};
}

} // namespace

bool muestra_todo_el_texto(QLineEdit* caja)
{
    // The same text in a box wide enough for it starts where an unscrolled
    // text starts.
    QLineEdit ancha;
    ancha.setFont(caja->font());
    ancha.setPalette(caja->palette());
    ancha.setFrame(caja->hasFrame());
    ancha.resize(4 * caja->width(), caja->height());
    ancha.setText(caja->text());
    const QColor tinta = caja->palette().color(QPalette::Text);
    const auto [desde, hasta] = columnas_con_tinta(caja->grab().toImage(), tinta);
    const auto [desde_sin_cortar, hasta_sin_cortar] = columnas_con_tinta(ancha.grab().toImage(), tinta);
    return desde == desde_sin_cortar && hasta == hasta_sin_cortar && hasta < caja->width() - 2;
}

namespace {

double luminancia(const QColor& color)
{
    const auto canal = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(color.redF()) + 0.7152 * canal(color.greenF()) + 0.0722 * canal(color.blueF());
}

double contraste(const QColor& texto, const QColor& fondo)
{
    const double a = luminancia(texto) + 0.05;
    const double b = luminancia(fondo) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

// What a widget's text is drawn on: the nearest of itself and its containers
// that paints its background.
QColor fondo_de(const QWidget* control)
{
    for (const QWidget* w = control; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return {};
}

} // namespace

std::map<QString, double> contrastes_de_los_textos(const QWidget& ventana)
{
    std::map<QString, double> contrastes;
    for (const QWidget* w : ventana.findChildren<QWidget*>()) {
        const QString clave = w->parentWidget()->objectName() + u'/' + w->objectName();
        const QPalette& p = w->palette();
        if (qobject_cast<const QLineEdit*>(w)) {
            contrastes[clave] = contraste(p.color(QPalette::Text), p.color(QPalette::Base));
        } else if (const auto* etiqueta = qobject_cast<const QLabel*>(w); etiqueta && !etiqueta->text().isEmpty()) {
            contrastes[clave] = contraste(p.color(w->foregroundRole()), fondo_de(w));
        } else if (qobject_cast<const QToolButton*>(w)) {
            contrastes[clave] = contraste(p.color(QPalette::ButtonText), p.color(QPalette::Button));
        } else if (qobject_cast<const QAbstractButton*>(w)) {
            contrastes[clave] = contraste(p.color(QPalette::WindowText), fondo_de(w));
        } else if (const auto* marco = qobject_cast<const QGroupBox*>(w); marco && !marco->title().isEmpty()) {
            QStyleOptionGroupBox opcion;
            opcion.initFrom(marco);
            const QColor titulo = QColor::fromRgba(static_cast<QRgb>(
                marco->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &opcion, marco)));
            contrastes[clave] = contraste(titulo, fondo_de(w));
        }
    }
    return contrastes;
}

QPalette paleta_oscura()
{
    QPalette p;
    for (const auto papel : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                             QPalette::ToolTipBase, QPalette::Dark, QPalette::Shadow})
        p.setColor(papel, Qt::black);
    for (const auto papel : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                             QPalette::ToolTipText, QPalette::HighlightedText, QPalette::Light})
        p.setColor(papel, Qt::white);
    p.setColor(QPalette::Mid, Qt::darkGray);
    p.setColor(QPalette::Midlight, Qt::gray);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return p;
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
    ventana::preparar_aplicacion(aplicacion, QStringLiteral("pruebas")); // as the programs do
    QApplication::setQuitOnLastWindowClosed(false); // each test opens and closes its own window
    QTimer vigilante;
    QObject::connect(&vigilante, &QTimer::timeout, &aplicacion, prueba::cerrar_avisos_abiertos);
    vigilante.start(20);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
