#pragma once

// The design the three calculator windows share: a fixed white window with
// the oscilloscope icon, the logo beside the maker banner, the exit button
// "Salir" and the result frame.

#include <QList>
#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QSvgWidget;
class QToolButton;
class QWidget;

namespace ventana {

// Names the window, gives it its caption, icon, white background and fixed
// client size in pixels, and places it centred on the screen.
void preparar_ventana(QWidget* ventana, const QString& nombre, const QString& titulo, QSize cliente);

// The maker's logo, 329 x 96 pixels, at the given left edge and 8 pixels down.
QSvgWidget* crear_logo(QWidget* ventana, const QString& nombre, int izquierda);

// The banner frame Frame4 with the maker's name above and its description below.
QGroupBox* crear_banner(QWidget* ventana, QPoint lugar, const QString& nombre_superior,
                        const QString& nombre_inferior);

// A command button with its picture above its caption, 8.25 bold; Space,
// Enter and Return press it like a click.
QToolButton* crear_boton_con_imagen(QWidget* ventana, const QString& nombre, const QString& texto,
                                    const QString& recurso, QRect lugar);

// "Salir" with the door picture above the caption; a click unloads the window.
QToolButton* crear_boton_salir(QWidget* ventana, QRect lugar);

// The result frame: caption "Resultado", the name of the result, the locked
// box with its value and the label with its unit.
struct MarcoResultado {
    QGroupBox* marco;
    QLabel* lbl_result;
    QLineEdit* txt_result;
    QLabel* lbl_escalaresul;
};

struct DisenoResultado {
    QRect marco;
    double puntos_titulo = 0;
    QRect nombre;
    QRect valor;
    QRect unidad;
};

MarcoResultado crear_marco_resultado(QWidget* ventana, const DisenoResultado& diseno);

// Writes the unit label, and names the result box after the result and its
// unit for screen readers ("Frecuencia de corte en KHz").
void poner_unidad(const MarcoResultado& resultado, const QString& unidad);

// Gives the controls the tab order of the list, first to last.
void ordenar_tabulacion(const QList<QWidget*>& orden);

// A locked text box: the program writes it, the user can select but not edit.
QLineEdit* crear_caja_bloqueada(QWidget* padre, const QString& nombre, QRect lugar, double puntos);

} // namespace ventana
