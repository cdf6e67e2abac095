#pragma once

#include "caja_de_lectura.h"
#include "medidas.h"

#include <QGroupBox>

class QLabel;

namespace calculadora {

// The result frame "Resultado": the name of the result (lbl_result), its
// value in a locked box (txt_result) and its unit (lbl_escalaresul). The box
// is named for screen readers after the result and its unit ("Frecuencia de
// corte en KHz").
class MarcoDeResultado : public QGroupBox {
public:
    struct Diseno {
        Lugar marco;
        double puntos_del_titulo = 0;
        Lugar nombre, valor, unidad;
    };

    MarcoDeResultado(QWidget* padre, const Diseno& diseno);

    // Names the result and its unit; the value box is emptied.
    void rotular(const QString& nombre, const QString& unidad);
    // Shows a value with its unit: the unit first, then the value.
    void mostrar(const QString& valor, const QString& unidad);
    // Shows a value in the unit already shown.
    void mostrar(const QString& valor);

    [[nodiscard]] CajaDeLectura* caja() const { return txt_result_; }
    // The value and its unit as spoken: "159.155 KHz".
    [[nodiscard]] QString valor_con_unidad() const;
    // The result as spoken with its name: "Frecuencia 159.155 KHz".
    [[nodiscard]] QString frase() const;

private:
    void poner_unidad(const QString& unidad);
    [[nodiscard]] QString nombre() const;

    QLabel* lbl_result_;
    CajaDeLectura* txt_result_;
    QLabel* lbl_escalaresul_;
};

} // namespace calculadora
