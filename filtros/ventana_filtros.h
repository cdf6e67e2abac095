#pragma once

#include "programa/ventana_calculadora.h"
#include "ventana/controles.h"

#include <array>

class QGroupBox;
class QLineEdit;
class QSlider;

namespace calculadora {
class ListaDeUnidades;
class MarcoDeOpciones;
class MarcoDeResultado;
} // namespace calculadora

// frm_filtros: the cut-off frequency of an active filter's RC section from
// the R and C sliders, the capacitance unit and the filter type.
class VentanaFiltros : public calculadora::VentanaCalculadora {
public:
    VentanaFiltros();

private:
    void crear_formula_pasa_bajos_y_altos();
    void crear_formula_pasa_banda();
    void crear_esquemas();
    void crear_esquema(int indice, const char* titulo, const calculadora::Imagen& imagen,
                       std::initializer_list<calculadora::Etiqueta> etiquetas);
    void crear_columnas_r_y_c();
    [[nodiscard]] QList<QWidget*> orden_de_tabulacion() const;
    void conectar_manejadores();

    void Form_Load();
    void opt_filtros_Click(int indice);
    void cmb_esc_c_Click();
    void cmb_esc_c_Change();
    void Sld_r_Change();
    void Sld_c_Change();
    void calcular_frecuencia_corte();
    void nombrar_c();

    // Farads per unit of the capacitance the C box counts in.
    double divisor_c = 0.0;

    QGroupBox* fra_baal = nullptr;
    QGroupBox* fra_banda = nullptr;
    std::array<QGroupBox*, 3> fra_filtros{};
    QLineEdit* txt_r = nullptr;
    QLineEdit* txt_c = nullptr;
    QSlider* Sld_r = nullptr;
    QSlider* Sld_c = nullptr;
    calculadora::ListaDeUnidades* cmb_esc_c = nullptr;
    calculadora::MarcoDeOpciones* opt_filtros = nullptr; // the options opt_filtros(0..2) in their frame
    calculadora::MarcoDeResultado* resultado = nullptr;
};
