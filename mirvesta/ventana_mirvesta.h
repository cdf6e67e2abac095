#pragma once

#include "programa/ventana_calculadora.h"

class QLineEdit;
class QSlider;

// frm_bobinas: the inductance of a single-layer air-core coil from three
// sliders (radius, turns, length), recomputed on every movement.
class VentanaMirvesta : public calculadora::VentanaCalculadora {
public:
    VentanaMirvesta();

private:
    void crear_formula();
    void crear_columnas();
    void crear_resultado();
    [[nodiscard]] QList<QWidget*> orden_de_tabulacion() const;

    void sld_longitud_Change();
    void sld_nespiras_Change();
    void sld_radio_Change();
    void calcular_inductancia();

    // The window's record of the last computation, before rounding; the
    // result box shows the rounded inductance.
    double numerador = 0.0;   // R² n²
    double denominador = 0.0; // 9 R + 25 l
    double inductancia = 0.0; // numerador / denominador, in microhenries

    QLineEdit* txt_longitud = nullptr;
    QLineEdit* txt_nespiras = nullptr;
    QLineEdit* txt_radio = nullptr;
    QLineEdit* txt_radio_cm = nullptr;
    QLineEdit* txt_valorbobina = nullptr;
    QSlider* sld_longitud = nullptr;
    QSlider* sld_nespiras = nullptr;
    QSlider* sld_radio = nullptr;
};
