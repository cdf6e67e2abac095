#pragma once

#include "medidas.h"

#include <QMargins>
#include <QWidget>

class QScrollArea;
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
// on lienzo(). Where the design and the window's frame do not fit the
// screen's available area, the design sits in a scroll area as large as
// that area allows, and the window opens inside the screen with its focused
// control in view; where it fits, the window is the design and nothing else.
// Being of fixed size, it offers no maximize and never stays maximized or
// full screen.
class VentanaCalculadora : public QWidget {
    Q_OBJECT

public:
    explicit VentanaCalculadora(const DisenoDeVentana& diseno);
    ~VentanaCalculadora() override;
    VentanaCalculadora(const VentanaCalculadora&) = delete;
    VentanaCalculadora& operator=(const VentanaCalculadora&) = delete;
    VentanaCalculadora(VentanaCalculadora&&) = delete;
    VentanaCalculadora& operator=(VentanaCalculadora&&) = delete;

protected:
    // The surface the window's controls stand on, in the design's pixels.
    [[nodiscard]] QWidget* lienzo() const { return lienzo_; }
    [[nodiscard]] QToolButton* btn_salir() const { return btn_salir_; }
    // Tells screen readers a new result, wherever the focus is.
    void anunciar(const QString& texto);

    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void crear_banner(const DisenoDeVentana& diseno);
    // Sized and centred for the screen it opens on.
    void encajar_en_pantalla();
    // Sized for the screen's available area, with scroll bars where the
    // design does not fit; false without a screen.
    bool ajustar_al_area();
    [[nodiscard]] QMargins marco_de_ventana() const;
    QMargins margen_en_wayland(QMargins marco);
    // Scrolls a control that takes the focus from the keyboard or as the
    // window opens into view; a click lands where the user already sees.
    void mostrar_el_foco(QWidget* antes, QWidget* control);
    void btn_salir_Click();

    QWidget* lienzo_;
    accesibilidad::Anunciador* anunciador_;
    QToolButton* btn_salir_ = nullptr;
    QScrollArea* desplazamiento_ = nullptr;
    QMargins marco_usado_;              // the frame the last placement counted with
    QMargins marco_mayor_{0, 40, 0, 0}; // on Wayland: a title bar, or the largest frame Qt reported
};

} // namespace calculadora
