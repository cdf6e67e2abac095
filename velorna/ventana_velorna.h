#pragma once

#include "numerico/unidades.h"
#include "resonancia.h"
#include "ventana/armazon.h"
#include "ventana/lista_de_unidades.h"
#include "ventana/ventana_calculadora.h"

#include <array>
#include <span>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

// frm_c_tanque: the resonance of an LC tank, solved for the frequency, the
// capacitance or the inductance from the other two.
class VentanaVelorna : public ventana::VentanaCalculadora {
public:
    VentanaVelorna();

private:
    // One entry row: its caption, the typed value and its unit list.
    struct Fila {
        QLabel* etiqueta;
        QLineEdit* entrada;
        ventana::ListaDeUnidades* unidad;
    };

    void crear_formula();
    void crear_esquema();
    Fila crear_fila(const char* etiqueta, const char* entrada, const char* lista, const char* titulo, int top,
                    int ancho_etiqueta, const QStringList& unidades);
    void crear_opciones();
    void ordenar_tabulacion();
    void conectar_manejadores();
    void conectar_lista(ventana::ListaDeUnidades* lista, std::span<const numerico::Unidad> unidades, double& factor);

    void Form_Load();
    void opt_parametro_Click(int indice);
    void btb_resulta_Click();

    velorna::Parametro parametro = velorna::Parametro::frecuencia;
    double esc_capa = 0.0;
    double esc_indu = 0.0;
    double esc_frec = 0.0;

    // In the order their visibility is written: frequency, capacitance, inductance.
    std::array<Fila, 3> filas{};
    std::array<QRadioButton*, 3> opt_parametro{};
    QButtonGroup* grupo_parametro = nullptr;
    QToolButton* btb_resulta = nullptr;
    ventana::MarcoResultado resultado{};
    QToolButton* btn_salir = nullptr;
};
