#pragma once

// Builders for the plain controls of a fixed calculator window. Each takes
// its container, its objectName and its place in pixels (see medidas.h),
// and leaves the control as the window design draws it.

#include "medidas.h"
#include "numerico/unidades.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <initializer_list>
#include <optional>
#include <span>

class QGroupBox;
class QLabel;
class QWidget;

namespace calculadora {

class Deslizador;
class Dibujo;
class ListaDeUnidades;

// A transparent label with its text at the top left, in the given colour on
// the white of the window, or without one in its container's colours. A box
// of two lines or more wraps its text at word boundaries; a box lower than
// one line grows to the font's height, so no text is cut off at the bottom.
QLabel* crear_etiqueta(QWidget* padre, const QString& nombre, const QString& texto, QRect lugar, const QFont& fuente,
                       const std::optional<QColor>& color = std::nullopt);

// A caption as screen readers say it: without its trailing colon.
QString sin_dos_puntos(const QString& rotulo);

// Widens or narrows the blanks of a label (its font's word spacing) so that
// the character at `indice` starts at `x` in the label's container: a
// formula's glyphs then keep their places beside the lines drawn for them,
// whatever the metrics of the font that stands in for the design's.
void colocar_con_espacios(QLabel* etiqueta, qsizetype indice, qreal x);

// How a label of a design table looks beyond its font size and colour.
enum Aspecto : unsigned {
    negrita = 1u << 0,   // weight 700; otherwise the regular weight
    con_fondo = 1u << 1, // paints its box white; otherwise transparent
    centrada = 1u << 2,  // text centred; otherwise at the left
};

// One label of a window design table, placed in twips.
struct Etiqueta {
    const char* nombre = nullptr;
    const char* texto = nullptr; // UTF-8
    int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
    double puntos = 0;
    QColor color;
    unsigned aspecto = negrita;
};

QLabel* crear_etiqueta(QWidget* padre, const Etiqueta& etiqueta);
// Gives a label made elsewhere the name, text, look and place of its row.
QLabel* disenar_etiqueta(QLabel* etiqueta, const Etiqueta& e);
// The labels of a table, in its order.
QList<QLabel*> crear_etiquetas(QWidget* padre, std::initializer_list<Etiqueta> etiquetas);

// One picture of a window design table: its objectName, its file among the
// compiled pictures and its place in twips.
struct Imagen {
    const char* nombre = nullptr;
    const char* recurso = nullptr;
    int izquierda = 0, arriba = 0, ancho = 0, alto = 0;
};

Dibujo* crear_imagen(QWidget* padre, const Imagen& imagen);

// A frame with a caption, white inside, its caption in the given font and
// colour; its children place themselves relative to its top left corner.
QGroupBox* crear_marco(QWidget* padre, const QString& nombre, const QString& titulo, QRect lugar, const QFont& fuente,
                       const QColor& color);
// Gives a frame of the window's own (a subclass) the same look and place.
void disenar_marco(QGroupBox* marco, const QString& nombre, QRect lugar, const QFont& fuente, const QColor& color);

// A ListaDeUnidades showing its unit at start, named for screen readers.
struct DisenoDeLista {
    std::span<const numerico::Unidad> unidades;
    numerico::Grafia grafia;
    const numerico::Unidad& al_abrir;
};
ListaDeUnidades* crear_lista_de_unidades(QWidget* padre, const QString& nombre, const DisenoDeLista& diseno,
                                         QRect lugar, const QFont& fuente, const QString& nombre_accesible);

// A vertical slider without tick marks, at its minimum, with the step of the
// arrow keys and the step of the page keys and of a click on the track, so
// many positions to a unit of the quantity it stands for.
Deslizador* crear_deslizador(QWidget* padre, const QString& nombre, QRect lugar, int minimo, int maximo, int paso,
                             int paso_grande, double posiciones_por_unidad = 1.0);

// A straight line of the given thickness in pixels (a Decoracion).
QWidget* crear_linea(QWidget* padre, const QString& nombre, QPoint desde, QPoint hasta, const QColor& color,
                     int grosor);

// A rectangle outline one pixel wide, transparent inside (a Decoracion).
QWidget* crear_rectangulo(QWidget* padre, const QString& nombre, QRect lugar);

// A picture of the compiled resources, drawn at exactly the given size.
Dibujo* crear_imagen(QWidget* padre, const QString& nombre, const QString& recurso, QRect lugar);

// Gives the controls the tab order of the list, first to last.
void ordenar_tabulacion(const QList<QWidget*>& orden);

} // namespace calculadora
