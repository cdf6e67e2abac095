#pragma once

#include "ventana/medidas.h"

#include <QWidget>

class QToolButton;

namespace accesibilidad {
class Anunciador;
}

namespace calculadora {

// What a calculator window's design gives the shell: the window's name and
// caption, its client area, and where the maker's logo, the banner and
// "Salir" stand, in twips, with the objectNames the design gives them.
struct DisenoDeVentana {
    const char* nombre = nullptr;
    const char* titulo = nullptr; // UTF-8
    int ancho = 0, alto = 0;
    const char* logo = nullptr;
    int izquierda_del_logo = 0;
    int izquierda_del_banner = 0;
    const char* etiqueta_superior = nullptr;
    const char* etiqueta_inferior = nullptr;
    Lugar salir;
};

// A calculator's only window: a white design of fixed size with the
// oscilloscope icon, the maker's logo beside the banner and the exit button
// "Salir", opened centred on the screen. The window's own controls are placed
// on lienzo(). The desktop fits it to the screen (escritorio::encajar): where
// the design does not fit, it scrolls inside the window. Being of fixed size,
// it offers no maximize.
class VentanaCalculadora : public QWidget {
    Q_OBJECT

public:
    explicit VentanaCalculadora(const DisenoDeVentana& diseno);

protected:
    // The surface the window's controls stand on, in the design's pixels.
    [[nodiscard]] QWidget* lienzo() const { return lienzo_; }
    [[nodiscard]] QToolButton* btn_salir() const { return btn_salir_; }
    // Tells screen readers a new result, wherever the focus is.
    void anunciar(const QString& texto);

private:
    void crear_banner(const DisenoDeVentana& diseno);
    void btn_salir_Click();

    QWidget* lienzo_;
    accesibilidad::Anunciador* anunciador_;
    QToolButton* btn_salir_ = nullptr;
};

} // namespace calculadora
