#include "controles.h"

#include "decoracion.h"
#include "deslizador.h"
#include "dibujo.h"
#include "estilo.h"
#include "lista_de_unidades.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>

namespace calculadora {

namespace {

QLabel* disenar(QLabel* etiqueta, const QString& nombre, const QString& texto, QRect lugar, const QFont& fuente,
                const std::optional<QColor>& color)
{
    etiqueta->setObjectName(nombre);
    etiqueta->setText(texto);
    etiqueta->setFont(fuente);
    etiqueta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (color)
        color_de_texto(etiqueta, *color);
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

} // namespace

QLabel* crear_etiqueta(QWidget* padre, const QString& nombre, const QString& texto, QRect lugar, const QFont& fuente,
                       const std::optional<QColor>& color)
{
    return disenar(new QLabel(padre), nombre, texto, lugar, fuente, color);
}

QString sin_dos_puntos(const QString& rotulo) { return rotulo.endsWith(u':') ? rotulo.chopped(1) : rotulo; }

void colocar_con_espacios(QLabel* etiqueta, qsizetype indice, qreal x)
{
    const QString antes = etiqueta->text().left(indice);
    QFont f = etiqueta->font();
    const auto avance = [&](qreal espacio) {
        f.setWordSpacing(espacio);
        return QFontMetricsF(f).horizontalAdvance(antes);
    };
    // The text shaper decides where the spacing applies (once per run of
    // blanks): measure how far one pixel of it moves the character.
    const qreal sin_espacio = avance(0);
    const qreal por_pixel = avance(1) - sin_espacio;
    if (por_pixel <= 0)
        return;
    const qreal inicio = etiqueta->x() + etiqueta->contentsRect().x() + sin_espacio;
    f.setWordSpacing((x - inicio) / por_pixel);
    etiqueta->setFont(f);
}

QLabel* crear_etiqueta(QWidget* padre, const Etiqueta& e) { return disenar_etiqueta(new QLabel(padre), e); }

QLabel* disenar_etiqueta(QLabel* etiqueta, const Etiqueta& e)
{
    disenar(etiqueta, QString::fromLatin1(e.nombre), QString::fromUtf8(e.texto),
            en_pixeles(e.izquierda, e.arriba, e.ancho, e.alto), fuente(e.puntos, (e.aspecto & negrita) != 0), e.color);
    if (e.aspecto & con_fondo)
        fondo_blanco(etiqueta);
    if (e.aspecto & centrada)
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return etiqueta;
}

QList<QLabel*> crear_etiquetas(QWidget* padre, std::initializer_list<Etiqueta> etiquetas)
{
    QList<QLabel*> creadas;
    for (const Etiqueta& e : etiquetas)
        creadas.append(crear_etiqueta(padre, e));
    return creadas;
}

ListaDeUnidades* crear_lista_de_unidades(QWidget* padre, const QString& nombre, const DisenoDeLista& diseno,
                                         QRect lugar, const QFont& fuente, const QString& nombre_accesible)
{
    auto* lista = new ListaDeUnidades(padre, diseno.unidades, diseno.grafia, diseno.al_abrir, lugar, fuente);
    lista->setObjectName(nombre);
    lista->nombrar(nombre_accesible);
    return lista;
}

Deslizador* crear_deslizador(QWidget* padre, const QString& nombre, QRect lugar, int minimo, int maximo, int paso,
                             int paso_grande, double posiciones_por_unidad)
{
    auto* deslizador = new Deslizador(padre, posiciones_por_unidad);
    deslizador->setObjectName(nombre);
    deslizador->setRange(minimo, maximo);
    deslizador->setSingleStep(paso);
    deslizador->setPageStep(paso_grande);
    deslizador->setValue(minimo);
    deslizador->setTickPosition(QSlider::NoTicks);
    deslizador->setGeometry(lugar);
    return deslizador;
}

QGroupBox* crear_marco(QWidget* padre, const QString& nombre, const QString& titulo, QRect lugar, const QFont& fuente,
                       const QColor& color)
{
    auto* marco = new QGroupBox(titulo, padre);
    disenar_marco(marco, nombre, lugar, fuente, color);
    return marco;
}

void disenar_marco(QGroupBox* marco, const QString& nombre, QRect lugar, const QFont& fuente, const QColor& color)
{
    marco->setObjectName(nombre);
    marco->setFont(fuente);
    color_de_texto(marco, color);
    fondo_blanco(marco);
    marco->setGeometry(lugar);
}

QWidget* crear_linea(QWidget* padre, const QString& nombre, QPoint desde, QPoint hasta, const QColor& color, int grosor)
{
    QWidget* linea = Decoracion::linea(padre, desde, hasta, color, grosor);
    linea->setObjectName(nombre);
    return linea;
}

QWidget* crear_rectangulo(QWidget* padre, const QString& nombre, QRect lugar)
{
    QWidget* rectangulo = Decoracion::contorno(padre, lugar);
    rectangulo->setObjectName(nombre);
    return rectangulo;
}

Dibujo* crear_imagen(QWidget* padre, const QString& nombre, const QString& recurso, QRect lugar)
{
    auto* imagen = new Dibujo(padre, recurso);
    imagen->setObjectName(nombre);
    imagen->setGeometry(lugar);
    return imagen;
}

Dibujo* crear_imagen(QWidget* padre, const Imagen& imagen)
{
    return crear_imagen(padre, QString::fromLatin1(imagen.nombre),
                        QStringLiteral(":/imagenes/") + QLatin1String(imagen.recurso),
                        en_pixeles(imagen.izquierda, imagen.arriba, imagen.ancho, imagen.alto));
}

void ordenar_tabulacion(const QList<QWidget*>& orden)
{
    for (qsizetype i = 1; i < orden.size(); ++i)
        QWidget::setTabOrder(orden[i - 1], orden[i]);
}

} // namespace calculadora
