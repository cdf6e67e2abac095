#pragma once

// The design the three calculator windows share: the logo beside the maker
// banner, the exit button "Salir" and the result frame.

#include "caja_de_lectura.h"

#include <QList>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QSvgWidget;
class QToolButton;
class QWidget;

namespace ventana {

// The maker's logo, 329 x 96 pixels, at the given left edge and 8 pixels down.
QSvgWidget* crear_logo(QWidget* padre, const QString& nombre, int izquierda);

// The banner frame Frame4 with the maker's name above and its description
// below, text and background in the platform's colours.
QGroupBox* crear_banner(QWidget* padre, QPoint lugar, const QString& nombre_superior, const QString& nombre_inferior);

// A command button with its picture above its caption, 8.25 bold; Space,
// Enter and Return press it like a click.
QToolButton* crear_boton_con_imagen(QWidget* padre, const QString& nombre, const QString& texto,
                                    const QString& recurso, QRect lugar);

// "Salir" with the door picture above the caption; a click unloads the window.
QToolButton* crear_boton_salir(QWidget* padre, QRect lugar);

// The result frame: caption "Resultado", the name of the result, the locked
// box with its value and the label with its unit.
struct MarcoResultado {
    QGroupBox* marco;
    QLabel* lbl_result;
    CajaDeLectura* txt_result;
    QLabel* lbl_escalaresul;
};

struct DisenoResultado {
    QRect marco;
    double puntos_titulo = 0;
    QRect nombre;
    QRect valor;
    QRect unidad;
};

MarcoResultado crear_marco_resultado(QWidget* padre, const DisenoResultado& diseno);

// Writes the unit label, and names the result box after the result and its
// unit for screen readers ("Frecuencia de corte en KHz").
void poner_unidad(const MarcoResultado& resultado, const QString& unidad);

// Gives the controls the tab order of the list, first to last.
void ordenar_tabulacion(const QList<QWidget*>& orden);

// A read-out or result box of the given font size (see CajaDeLectura).
CajaDeLectura* crear_caja_bloqueada(QWidget* padre, const QString& nombre, QRect lugar, double puntos);

} // namespace ventana
