#pragma once

#include "programa/ventana_calculadora.h"
#include "resonancia.h"

#include <array>

class QLabel;
class QLineEdit;
class QToolButton;

namespace calculadora {
class ListaDeUnidades;
class MarcoDeOpciones;
class MarcoDeResultado;
} // namespace calculadora

// frm_c_tanque: the resonance of an LC tank, solved for the frequency, the
// capacitance or the inductance from the other two.
class VentanaVelorna : public calculadora::VentanaCalculadora {
public:
    VentanaVelorna();

private:
    // One entry row: its caption, the typed value and its unit list.
    struct Fila {
        QLabel* etiqueta;
        QLineEdit* entrada;
        calculadora::ListaDeUnidades* unidad;
    };

    void crear_formula();
    void crear_esquema();
    void crear_filas();
    [[nodiscard]] QList<QWidget*> orden_de_tabulacion() const;
    void conectar_manejadores();
    [[nodiscard]] calculadora::ListaDeUnidades* lista_de(velorna::Parametro cantidad) const;

    void Form_Load();
    void opt_parametro_Click(int indice);
    // Click (an item chosen) and Change (the text edited) of one unit list
    // are one handler: a text that is one of the list's units puts its
    // factor in force, any other keeps the factor before.
    void cmb_frec_Change();
    void cmb_capa_Change();
    void cmb_indu_Change();
    void tomar_factor(velorna::Parametro cantidad, double& factor) const;
    void btb_resulta_Click();

    velorna::Parametro parametro = velorna::Parametro::frecuencia;
    double esc_capa = 0.0;
    double esc_indu = 0.0;
    double esc_frec = 0.0;

    // By velorna::Parametro: frequency, capacitance, inductance.
    std::array<Fila, 3> filas{};
    calculadora::MarcoDeOpciones* opt_parametro = nullptr; // the options opt_parametro(0..2) in their frame
    QToolButton* btb_resulta = nullptr;
    calculadora::MarcoDeResultado* resultado = nullptr;
};
