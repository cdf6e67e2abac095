#include "prueba_gui.h"

#include "programa/aplicacion.h"
#include "servicios/manejadores.h"
#include "servicios/texto.h"
#include "soporte/lector_de_pantalla.h"
#include "soporte/tablas.h"
#include "ventana/dibujo.h"
#include "ventana/estilo.h"
#include "ventana/estilo_de_marcos.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <cstdio>
#include <map>

namespace prueba {
namespace {

std::vector<Aviso>* avisos_esperados = nullptr;

// Closes any message box that a handler opened: recorded while a test waits
// for messages, otherwise a failure instead of a test that hangs.
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

// A picture that did not draw: every pixel alike.
bool en_blanco(const QImage& imagen)
{
    for (int y = 0; y < imagen.height(); ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (imagen.pixel(x, y) != imagen.pixel(0, 0))
                return false;
    return true;
}

double contraste(const QColor& texto, const QColor& fondo)
{
    const auto luminancia = [](const QColor& c) {
        const auto canal = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF()) + 0.05;
    };
    return std::max(luminancia(texto), luminancia(fondo)) / std::min(luminancia(texto), luminancia(fondo));
}

// What a widget's text is drawn on: the nearest of itself and its containers
// that paints its background.
QColor fondo_de(const QWidget* control)
{
    while (!control->autoFillBackground() && !control->isWindow())
        control = control->parentWidget();
    return control->palette().color(control->backgroundRole());
}

// The contrast of each text of the window with what stands behind it (WCAG
// contrast ratio, 1 to 21), by "container/objectName".
std::map<QString, double> contrastes_de_los_textos(const QWidget& ventana)
{
    std::map<QString, double> contrastes;
    for (const QWidget* w : ventana.findChildren<QWidget*>()) {
        const QPalette& p = w->palette();
        const auto* marco = qobject_cast<const QGroupBox*>(w);
        const auto* etiqueta = qobject_cast<const QLabel*>(w);
        double c = 0;
        if (qobject_cast<const QLineEdit*>(w)) {
            c = contraste(p.color(QPalette::Text), p.color(QPalette::Base));
        } else if (qobject_cast<const QToolButton*>(w)) {
            c = contraste(p.color(QPalette::ButtonText), p.color(QPalette::Button));
        } else if (qobject_cast<const QAbstractButton*>(w) || (etiqueta && !etiqueta->text().isEmpty())) {
            c = contraste(p.color(w->foregroundRole()), fondo_de(w));
        } else if (marco && !marco->title().isEmpty()) {
            QStyleOptionGroupBox opcion;
            opcion.initFrom(marco);
            const auto titulo = marco->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &opcion, marco);
            c = contraste(QColor::fromRgba(static_cast<QRgb>(titulo)), fondo_de(w));
        } else {
            continue;
        }
        contrastes[w->parentWidget()->objectName() + u'/' + w->objectName()] = c;
    }
    return contrastes;
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

void comprobar_diseno_completo(const QWidget& ventana)
{
    for (const QLabel* etiqueta : ventana.findChildren<QLabel*>()) {
        const QRect caja = etiqueta->contentsRect();
        const int banderas = Qt::AlignLeft | Qt::AlignTop | (etiqueta->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect texto = QFontMetrics(etiqueta->font()).boundingRect(caja, banderas, etiqueta->text());
        EXPECT_TRUE(caja.contains(texto)) << etiqueta->objectName().toStdString();
    }
    // Every picture drawn, in every state a user sees it, and at twice the
    // size on a screen at 200 %.
    for (calculadora::Dibujo* imagen : ventana.findChildren<calculadora::Dibujo*>())
        EXPECT_FALSE(en_blanco(imagen->grab().toImage())) << imagen->objectName().toStdString();
    for (const QToolButton* boton : ventana.findChildren<QToolButton*>()) {
        for (const QIcon::Mode modo : {QIcon::Normal, QIcon::Disabled})
            EXPECT_FALSE(en_blanco(boton->icon().pixmap(boton->iconSize(), modo).toImage()))
                << boton->objectName().toStdString() << " " << modo;
        EXPECT_EQ(boton->icon().pixmap(boton->iconSize(), 2.0).size(), boton->iconSize() * 2);
    }
    EXPECT_FALSE(en_blanco(ventana.windowIcon().pixmap(16).toImage())) << "window icon";
}

std::pair<qreal, qreal> extension_del_texto(const QLabel* etiqueta, const QString& pieza)
{
    const QFontMetricsF medidas(etiqueta->font());
    const QString texto = etiqueta->text();
    const qreal izquierda =
        etiqueta->x() + etiqueta->contentsRect().x() + medidas.horizontalAdvance(texto.left(texto.lastIndexOf(pieza)));
    return {izquierda, izquierda + medidas.horizontalAdvance(pieza)};
}

bool muestra_todo_el_texto(QLineEdit* caja)
{
    // A box scrolls its text only when the whole text does not fit: painted
    // with the cursor at the end, it still puts its first character where
    // an empty box starts its text.
    const auto cursor = [](const QLineEdit& l) { return l.inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
    caja->end(false);
    caja->repaint();
    caja->setCursorPosition(0); // moved, not painted: the scroll stays
    const QRect al_principio = cursor(*caja);
    caja->end(false);
    QLineEdit vacia;
    vacia.setFont(caja->font());
    vacia.setGeometry(caja->geometry());
    return al_principio.left() == cursor(vacia).left();
}

void comprobar_tema_oscuro(const std::function<std::unique_ptr<QWidget>()>& crear)
{
    const QPalette tema = QApplication::palette();
    ASSERT_LT(tema.color(QPalette::Window).lightness(), 100) << "the test runs without a dark colour scheme";
    const auto oscuros = contrastes_de_los_textos(*crear());
    QApplication::setPalette(QApplication::style()->standardPalette());
    const auto claros = contrastes_de_los_textos(*crear());
    QApplication::setPalette(tema);
    // What the scheme itself gives its texts: no fixed colour can be held to more.
    const double del_tema = std::min({contraste(tema.color(QPalette::WindowText), tema.color(QPalette::Window)),
                                      contraste(tema.color(QPalette::Text), tema.color(QPalette::Base)),
                                      contraste(tema.color(QPalette::ButtonText), tema.color(QPalette::Button))});
    ASSERT_EQ(claros.size(), oscuros.size());
    for (const auto& [texto, claro] : claros)
        EXPECT_GE(oscuros.at(texto), std::min(claro, del_tema) - 0.01) << texto.toStdString();
}

// Each white frame drawn alone, without its controls: its whole inside is
// white, what the style draws of the frame stays on its border.
void comprobar_marcos_blancos(const QWidget& ventana, const QString& estilo)
{
    for (QGroupBox* marco : ventana.findChildren<QGroupBox*>()) {
        if (marco->palette().color(QPalette::Window) != Qt::white)
            continue; // the banner, in the desktop's colours
        QImage imagen(marco->size(), QImage::Format_RGB32);
        marco->render(&imagen, {}, {}, QWidget::DrawWindowBackground);
        QImage blanca(marco->contentsRect().size(), QImage::Format_RGB32);
        blanca.fill(Qt::white);
        EXPECT_TRUE(imagen.copy(marco->contentsRect()) == blanca)
            << marco->objectName().toStdString() << " under " << estilo.toStdString();
    }
}

void comprobar_marcos_blancos_en_cada_estilo(const std::function<std::unique_ptr<QWidget>()>& crear)
{
    // The desktop's style by its name; qt6ct's has none, and then no name
    // stands for the desktop's style.
    for (const QString& estilo : {QStringLiteral("fusion"), QStringLiteral("windows"), QApplication::style()->name()}) {
        QApplication::setStyle(new calculadora::EstiloDeMarcos(QStyleFactory::create(estilo)));
        comprobar_marcos_blancos(*crear(), estilo.isEmpty() ? QStringLiteral("the desktop's style") : estilo);
    }
    QApplication::setStyle(new calculadora::EstiloDeMarcos);
}

QString en_locale(const char* texto)
{
    return QString::fromStdU16String(
        en_locale(QString::fromUtf8(texto).toStdU16String(), servicios::separadores_del_sistema()));
}

} // namespace prueba

int main(int argc, char* argv[])
{
    // ctest gives each run its environment as NAME=value arguments.
    for (int i = 1; i < argc; ++i)
        if (const QByteArray argumento(argv[i]); argumento.contains('=') && !argumento.startsWith('-'))
            qputenv(argumento.left(argumento.indexOf('=')), argumento.mid(argumento.indexOf('=') + 1));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) // ctest asks for the names: no application needed
        return RUN_ALL_TESTS();
    QApplication aplicacion(argc, argv);
    // Each run's locale reaches Qt ("," where LC_ALL is es_ES), or every
    // table would be checked twice against one separator.
    const bool coma = qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("es_ES"));
    if (servicios::separadores_del_sistema().decimal != (coma ? u',' : u'.')) {
        std::fprintf(stderr, "LC_ALL=%s no llega a Qt\n", qgetenv("LC_ALL").constData());
        return 1;
    }
    prueba::escuchar_como_el_puente();
    calculadora::preparar_aplicacion(aplicacion, QStringLiteral("pruebas")); // as the programs do
    std::fprintf(stderr, "Fuente de las ventanas: %s\n",
                 qPrintable(QFontInfo(calculadora::fuente(8.25, false)).family()));
    QApplication::setQuitOnLastWindowClosed(false); // each test opens and closes its own window
    QTimer vigilante;
    QObject::connect(&vigilante, &QTimer::timeout, &aplicacion, prueba::cerrar_avisos_abiertos);
    vigilante.start(20);
    return RUN_ALL_TESTS();
}
