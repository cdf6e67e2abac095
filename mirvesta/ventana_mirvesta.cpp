#include "ventana_mirvesta.h"

#include "accesibilidad/formula.h"
#include "inductancia.h"
#include "servicios/manejadores.h"
#include "servicios/texto.h"
#include "ventana/caja_de_lectura.h"
#include "ventana/controles.h"
#include "ventana/deslizador.h"
#include "ventana/dibujo.h"
#include "ventana/estilo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

using namespace calculadora;

// The design tables below keep one row per control, as the design lists
// them, outside the formatter.

namespace {

constexpr DisenoDeVentana diseno{.nombre = "frm_bobinas",
                                 .titulo = "Cálculo de Inductancias Bajas",
                                 .ancho = 8625,
                                 .alto = 9345,
                                 .logo = "Image8",
                                 .izquierda_del_logo = 120,
                                 .izquierda_del_banner = 5160,
                                 .etiqueta_superior = "Label33",
                                 .etiqueta_inferior = "Label32",
                                 .salir = {6840, 6240, 1575, 975}};

const QColor verde_de_leyenda{0, 192, 0};

struct Columna {
    const char* nombre = nullptr;
    const char* contorno = nullptr; // the outline drawn around it
    int izquierda = 0;
    int minimo = 0, maximo = 0, paso = 0, paso_grande = 0;
    double posiciones_por_unidad = 1.0; // of the quantity its read-out shows
};

// One column: the outline, then the slider inside it.
QSlider* crear_columna(QWidget* padre, const Columna& d)
{
    crear_rectangulo(padre, QString::fromLatin1(d.contorno), en_pixeles(d.izquierda - 15, 7185, 660, 1965));
    return calculadora::crear_deslizador(padre, QString::fromLatin1(d.nombre), en_pixeles(d.izquierda, 7200, 630, 1935),
                                         d.minimo, d.maximo, d.paso, d.paso_grande, d.posiciones_por_unidad);
}

} // namespace

VentanaMirvesta::VentanaMirvesta()
    : VentanaCalculadora(diseno)
{
    crear_formula();
    crear_columnas();
    crear_resultado();
    ordenar_tabulacion(orden_de_tabulacion());
    txt_longitud->setFocus();

    servicios::al_mover(sld_longitud, this, &VentanaMirvesta::sld_longitud_Change);
    servicios::al_mover(sld_nespiras, this, &VentanaMirvesta::sld_nespiras_Change);
    servicios::al_mover(sld_radio, this, &VentanaMirvesta::sld_radio_Change);
}

void VentanaMirvesta::crear_formula()
{
    QGroupBox* marco = crear_marco(lienzo(), QStringLiteral("Frame1"), QStringLiteral("Fórmula"),
                                   en_pixeles(240, 1680, 8175, 4215), fuente(12, true), colores::verde);
    const QColor& leyenda = colores::negro;
    // clang-format off
    const QList<QLabel*> formula = accesibilidad::crear_piezas(marco, {
        {"Label1", "L =", 1080, 720, 495, 255, 12, colores::rojo, negrita | con_fondo},
        {"Label2", "R   x   n", 1920, 480, 1095, 255, 12, colores::rojo, negrita | con_fondo},
        // The exponents stand raised just after the R and the n, in front.
        {"Label8", "2", 2160, 360, 135, 255, 8.25, colores::rojo, 0},
        {"Label9", "2", 2880, 360, 135, 255, 8.25, colores::rojo, 0},
        {"Label3", "9R + 25 l", 1800, 960, 1215, 255, 12, colores::rojo, negrita | con_fondo},
    });
    crear_etiquetas(marco, {
        {"Label4", "L = Inductancia en µH", 3600, 360, 2055, 255, 8.25, leyenda, negrita | con_fondo},
        {"Label5", "R = radio de una espira en pulgadas", 3600, 600, 3135, 255, 8.25, leyenda, negrita | con_fondo},
        {"Label6", "l  = longitud en cm", 3600, 840, 3015, 255, 8.25, leyenda, negrita | con_fondo},
        {"Label7", "n = número de espiras", 3600, 1080, 2535, 255, 8.25, leyenda, negrita | con_fondo},
    });
    // clang-format on
    crear_linea(marco, QStringLiteral("Line1"), en_pixeles(1560, 840), en_pixeles(3120, 840), colores::negro, 1);
    new accesibilidad::Formula(
        marco, QStringLiteral("L igual a R al cuadrado por n al cuadrado, dividido entre nueve R más veinticinco l"),
        formula);
    crear_imagen(marco, {"Image1", "bobina.svg", 120, 1320, 6720, 2430})
        ->setAccessibleName(
            QStringLiteral("Dibujo de la bobina vista de lado y de frente, con su longitud y su radio"));
    // clang-format off
    crear_etiquetas(marco, {
        {"Label10", "l = longitud en cm", 1560, 3720, 1695, 255, 8.25, verde_de_leyenda, negrita | con_fondo},
        {"Label11", "R = radio de una espira en pulgadas", 5280, 3240, 1215, 735, 8.25, verde_de_leyenda,
         negrita | centrada},
    });
    // clang-format on
}

void VentanaMirvesta::crear_columnas()
{
    // clang-format off
    crear_etiquetas(lienzo(), {
        {"Label12", "Longitud ", 240, 6120, 855, 495, 8.25, verde_de_leyenda, negrita | con_fondo | centrada},
        {"Label13", "Número de espiras", 1320, 6120, 975, 495, 8.25, verde_de_leyenda, negrita | con_fondo | centrada},
        {"Label14", "Radio de una espira", 2400, 6120, 1455, 495, 8.25, verde_de_leyenda, negrita | centrada},
        {"Label15", "1 pulgada = 2,5 cm", 3840, 6120, 1455, 255, 8.25, verde_de_leyenda, con_fondo},
    });
    // clang-format on
    // The design-time read-outs of the start positions stay until a slider moves.
    txt_longitud = new CajaDeLectura(lienzo(), QStringLiteral("txt_longitud"), en_pixeles(360, 6600, 615, 375), 8.25);
    txt_nespiras = new CajaDeLectura(lienzo(), QStringLiteral("txt_nespiras"), en_pixeles(1440, 6600, 615, 375), 8.25);
    txt_radio = new CajaDeLectura(lienzo(), QStringLiteral("txt_radio"), en_pixeles(2520, 6600, 855, 375), 8.25);
    txt_radio_cm = new CajaDeLectura(lienzo(), QStringLiteral("txt_radio_cm"), en_pixeles(3840, 6600, 975, 375), 8.25);
    txt_longitud->setText(QStringLiteral("0"));
    txt_nespiras->setText(QStringLiteral("1"));
    txt_radio->setText(QStringLiteral("1 / 16\""));
    txt_radio_cm->setText(QStringLiteral("0,16 cm"));

    // clang-format off
    sld_longitud = crear_columna(lienzo(), {.nombre = "sld_longitud", .contorno = "Shape1", .izquierda = 360,
                                            .minimo = 0, .maximo = 100, .paso = 1, .paso_grande = 10,
                                            .posiciones_por_unidad = mirvesta::posiciones_por_centimetro});
    sld_nespiras = crear_columna(lienzo(), {.nombre = "sld_nespiras", .contorno = "Shape2", .izquierda = 1440,
                                            .minimo = 1, .maximo = 50, .paso = 1, .paso_grande = 5});
    sld_radio = crear_columna(lienzo(), {.nombre = "sld_radio", .contorno = "Shape3", .izquierda = 2520,
                                         .minimo = 1, .maximo = 16, .paso = 1, .paso_grande = 2});
    // clang-format on

    txt_longitud->setAccessibleName(QStringLiteral("Longitud de la bobina en centímetros"));
    sld_longitud->setAccessibleName(QStringLiteral("Longitud de la bobina en centímetros"));
    txt_nespiras->setAccessibleName(QStringLiteral("Número de espiras"));
    sld_nespiras->setAccessibleName(QStringLiteral("Número de espiras"));
    txt_radio->setAccessibleName(QStringLiteral("Radio de una espira en dieciseisavos de pulgada"));
    sld_radio->setAccessibleName(QStringLiteral("Radio de una espira en dieciseisavos de pulgada"));
    txt_radio_cm->setAccessibleName(QStringLiteral("Radio de una espira en centímetros"));
}

void VentanaMirvesta::crear_resultado()
{
    QGroupBox* marco = crear_marco(lienzo(), QStringLiteral("Frame2"), QStringLiteral("Bobina µH"),
                                   en_pixeles(5160, 7560, 3255, 1575), fuente(12, true), colores::rojo);
    txt_valorbobina = new CajaDeLectura(marco, QStringLiteral("txt_valorbobina"), en_pixeles(240, 600, 2775, 690), 18);
    txt_valorbobina->setText(QStringLiteral("0.0069"));
    txt_valorbobina->setAccessibleName(QStringLiteral("Inductancia de la bobina en microhenrios"));
}

QList<QWidget*> VentanaMirvesta::orden_de_tabulacion() const
{
    return {txt_longitud, sld_longitud, txt_nespiras,    sld_nespiras, txt_radio,
            sld_radio,    txt_radio_cm, txt_valorbobina, btn_salir()};
}

void VentanaMirvesta::sld_longitud_Change()
{
    txt_longitud->setText(servicios::a_qstring(
        mirvesta::lectura_de_longitud(sld_longitud->value(), servicios::separadores_del_sistema())));
    calcular_inductancia();
}

void VentanaMirvesta::sld_nespiras_Change()
{
    txt_nespiras->setText(servicios::a_qstring(mirvesta::lectura_de_espiras(sld_nespiras->value())));
    calcular_inductancia();
}

void VentanaMirvesta::sld_radio_Change()
{
    txt_radio->setText(servicios::a_qstring(mirvesta::lectura_de_radio(sld_radio->value())));
    txt_radio_cm->setText(servicios::a_qstring(mirvesta::lectura_de_radio_en_cm(sld_radio->value())));
    calcular_inductancia();
}

void VentanaMirvesta::calcular_inductancia()
{
    const mirvesta::Inductancia l = mirvesta::calcular_inductancia(
        sld_radio->value(), sld_nespiras->value(), sld_longitud->value(), servicios::separadores_del_sistema());
    numerador = l.numerador;
    denominador = l.denominador;
    inductancia = l.inductancia;
    txt_valorbobina->setText(servicios::a_qstring(l.texto));
    anunciar(txt_valorbobina->text() + QStringLiteral(" µH"));
}
