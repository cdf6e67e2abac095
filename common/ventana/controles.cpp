#include "controles.h"

#include "estilo.h"
#include "medidas.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>
#include <QSvgWidget>

namespace ventana {

QLabel* crear_etiqueta(QWidget* padre, const QString& nombre, const QString& texto, QRect lugar,
                       const QFont& fuente, const QColor& color)
{
    auto* etiqueta = new QLabel(texto, padre);
    etiqueta->setObjectName(nombre);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    color_de_texto(etiqueta, color);
    const QFontMetrics medidas(fuente);
    const bool varias_lineas = lugar.height() >= 2 * medidas.height();
    etiqueta->setWordWrap(varias_lineas);
    int banderas = Qt::AlignLeft | Qt::AlignTop;
    if (varias_lineas)
        banderas |= Qt::TextWordWrap;
    const QRect ocupado = medidas.boundingRect(QRect(0, 0, lugar.width(), 10 * lugar.height()), banderas, texto);
    lugar.setHeight(std::max(lugar.height(), ocupado.height()));
    etiqueta->setGeometry(lugar);
    return etiqueta;
}

void crear_etiquetas(QWidget* padre, std::initializer_list<Etiqueta> etiquetas)
{
    for (const Etiqueta& e : etiquetas) {
        QLabel* etiqueta = crear_etiqueta(padre, QString::fromLatin1(e.nombre), QString::fromUtf8(e.texto),
                                          en_pixeles(e.left, e.top, e.width, e.height),
                                          fuente(e.puntos, (e.aspecto & negrita) != 0), e.color);
        if (e.aspecto & con_fondo)
            fondo_blanco(etiqueta);
        if (e.aspecto & centrada)
            etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

QComboBox* crear_lista_de_unidades(QWidget* padre, const QString& nombre, const QStringList& unidades, QRect lugar,
                                   const QFont& fuente)
{
    auto* lista = new QComboBox(padre);
    lista->setObjectName(nombre);
    lista->setEditable(true);
    lista->setCompleter(nullptr);
    lista->setInsertPolicy(QComboBox::NoInsert);
    lista->addItems(unidades);
    lista->setFont(fuente);
    lista->setGeometry(lugar);
    return lista;
}

QSlider* crear_deslizador(QWidget* padre, const QString& nombre, QRect lugar, int minimo, int maximo, int paso,
                          int paso_grande)
{
    auto* deslizador = new QSlider(Qt::Vertical, padre);
    deslizador->setObjectName(nombre);
    deslizador->setRange(minimo, maximo);
    deslizador->setSingleStep(paso);
    deslizador->setPageStep(paso_grande);
    deslizador->setValue(minimo);
    deslizador->setTickPosition(QSlider::NoTicks);
    deslizador->setGeometry(lugar);
    return deslizador;
}

QButtonGroup* crear_opciones(QGroupBox* marco, const QString& nombre, const QStringList& titulos, QRect primera,
                             int separacion)
{
    auto* grupo = new QButtonGroup(marco);
    const QColor texto = QGuiApplication::palette().color(QPalette::WindowText);
    for (qsizetype i = 0; i < titulos.size(); ++i) {
        auto* opcion = new QRadioButton(titulos[i], marco);
        opcion->setObjectName(QStringLiteral("%1(%2)").arg(nombre).arg(i));
        opcion->setFont(fuente(9.75, true));
        color_de_texto(opcion, texto);
        opcion->setGeometry(primera.translated(0, static_cast<int>(i) * separacion));
        grupo->addButton(opcion, static_cast<int>(i));
    }
    grupo->button(0)->setChecked(true);
    return grupo;
}

QGroupBox* crear_marco(QWidget* padre, const QString& nombre, const QString& titulo, QRect lugar,
                       const QFont& fuente, const QColor& color)
{
    auto* marco = new QGroupBox(titulo, padre);
    marco->setObjectName(nombre);
    marco->setFont(fuente);
    color_de_texto(marco, color);
    fondo_blanco(marco);
    marco->setGeometry(lugar);
    return marco;
}

namespace {

// A straight line between two points of its container, drawn with a pen of
// the given width; it covers only its bounding box.
class Linea : public QWidget {
public:
    Linea(QWidget* padre, QPoint desde, QPoint hasta, const QColor& color, int grosor)
        : QWidget(padre)
        , color_(color)
        , grosor_(grosor)
    {
        const int margen = (grosor + 1) / 2;
        const QRect caja = QRect(desde, hasta).normalized().adjusted(-margen, -margen, margen, margen);
        setGeometry(caja);
        desde_ = desde - caja.topLeft();
        hasta_ = hasta - caja.topLeft();
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* /*evento*/) override
    {
        QPainter pintor(this);
        pintor.setRenderHint(QPainter::Antialiasing, desde_.x() != hasta_.x() && desde_.y() != hasta_.y());
        pintor.setPen(QPen(color_, grosor_, Qt::SolidLine, Qt::FlatCap));
        pintor.drawLine(desde_, hasta_);
    }

private:
    QColor color_;
    int grosor_;
    QPoint desde_;
    QPoint hasta_;
};

} // namespace

QWidget* crear_linea(QWidget* padre, const QString& nombre, QPoint desde, QPoint hasta, const QColor& color,
                     int grosor)
{
    auto* linea = new Linea(padre, desde, hasta, color, grosor);
    linea->setObjectName(nombre);
    return linea;
}

QFrame* crear_rectangulo(QWidget* padre, const QString& nombre, QRect lugar)
{
    auto* rectangulo = new QFrame(padre);
    rectangulo->setObjectName(nombre);
    rectangulo->setFrameStyle(QFrame::Box | QFrame::Plain);
    rectangulo->setLineWidth(1);
    QPalette paleta = rectangulo->palette();
    paleta.setColor(QPalette::WindowText, colores::negro);
    rectangulo->setPalette(paleta);
    rectangulo->setGeometry(lugar);
    return rectangulo;
}

QSvgWidget* crear_imagen(QWidget* padre, const QString& nombre, const QString& recurso, QRect lugar)
{
    auto* imagen = new QSvgWidget(recurso, padre);
    imagen->setObjectName(nombre);
    imagen->setGeometry(lugar);
    return imagen;
}

QSvgWidget* crear_imagen(QWidget* padre, const Imagen& imagen)
{
    return crear_imagen(padre, QString::fromLatin1(imagen.nombre),
                        QStringLiteral(":/imagenes/") + QLatin1String(imagen.recurso),
                        en_pixeles(imagen.left, imagen.top, imagen.width, imagen.height));
}

} // namespace ventana
