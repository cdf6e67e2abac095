#include "ventana_filtros.h"

#include "accesibilidad/formula.h"
#include "frecuencia_corte.h"
#include "numerico/escritura.h"
#include "numerico/unidades.h"
#include "servicios/manejadores.h"
#include "servicios/texto.h"
#include "ventana/caja_de_lectura.h"
#include "ventana/deslizador.h"
#include "ventana/dibujo.h"
#include "ventana/estilo.h"
#include "ventana/lista_de_unidades.h"
#include "ventana/marco_de_opciones.h"
#include "ventana/marco_de_resultado.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

using namespace calculadora;

// The design tables below keep one row per control, as the design lists
// them, outside the formatter.

namespace {

// Tenths of a kilo-ohm and hundredths of a capacitance unit per slider step.
constexpr double escala_r = 10.0;
constexpr double escala_c = 100.0;

// The capacitance unit the list shows at start, whose divisor Form_Load puts
// in force.
constexpr const numerico::Unidad& unidad_al_abrir = numerico::unidades_de_capacidad[0];

// The result the window shows until the first event: the low-pass cut-off
// of the start values.
constexpr double resultado_de_diseno = 15.915;

constexpr DisenoDeVentana diseno{.nombre = "frm_filtros",
                                 .titulo = "Filtros Activos",
                                 .ancho = 11310,
                                 .alto = 8610,
                                 .logo = "Image8",
                                 .izquierda_del_logo = 1440,
                                 .izquierda_del_banner = 6480,
                                 .etiqueta_superior = "Label36",
                                 .etiqueta_inferior = "Label35",
                                 .salir = {8280, 7080, 1815, 975}};

} // namespace

VentanaFiltros::VentanaFiltros()
    : VentanaCalculadora(diseno)
{
    crear_formula_pasa_bajos_y_altos();
    crear_formula_pasa_banda();
    crear_esquemas();
    crear_columnas_r_y_c();
    resultado = new MarcoDeResultado(lienzo(), {.marco = {7440, 1800, 3615, 2175},
                                                .puntos_del_titulo = 13.5,
                                                .nombre = {240, 600, 2655, 375},
                                                .valor = {600, 1080, 2175, 495},
                                                .unidad = {2880, 1200, 615, 375}});
    resultado->rotular(QStringLiteral("Frecuencia de corte:"), {});
    resultado->mostrar(
        servicios::a_qstring(numerico::numero_a_texto(resultado_de_diseno, servicios::separadores_del_sistema())),
        QStringLiteral("KHz"));
    opt_filtros = new MarcoDeOpciones(
        lienzo(), {.titulo = QStringLiteral("Opciones"),
                   .marco = {7440, 4200, 3615, 2415},
                   .puntos_del_titulo = 13.5,
                   .nombre = QStringLiteral("opt_filtros"),
                   .opciones = {QStringLiteral("Filtro Pasa Bajos"), QStringLiteral("Filtro Pasa Altos"),
                                QStringLiteral("Filtro Pasa Banda")},
                   .primera = {600, 480, 2535, 375},
                   .separacion = 600});
    ordenar_tabulacion(orden_de_tabulacion());
    btn_salir()->setFocus();

    Form_Load();
    nombrar_c();
    conectar_manejadores();
}

void VentanaFiltros::crear_formula_pasa_bajos_y_altos()
{
    fra_baal = crear_marco(lienzo(), QStringLiteral("fra_baal"), QStringLiteral("Fórmula"),
                           en_pixeles(240, 1680, 4815, 3615), fuente(13.5, true), colores::verde);
    // clang-format off
    crear_etiqueta(fra_baal, {"Label30", "Frecuencia de corte", 360, 600, 2535, 375, 12, colores::negro});
    const QList<QLabel*> corte = accesibilidad::crear_piezas(fra_baal, {
        {"Label2", "Fc =", 960, 1200, 855, 495, 13.5, colores::rojo},
        {"Label3", "1", 2640, 960, 255, 375, 13.5, colores::rojo},
        {"Label1", " 2 π R C", 2040, 1560, 1215, 375, 13.5, colores::rojo},
    });
    crear_etiqueta(fra_baal, {"Label29", "Salida con ganancia del filtro", 360, 2160, 3735, 375, 12, colores::negro});
    QLabel* ganancia = accesibilidad::crear_piezas(fra_baal, {{"Label6", "Vo =  Vi ( 1+          )", 960, 2760, 2895, 495, 13.5, colores::azul}}).front();
    const QList<QLabel*> rf_entre_ra = accesibilidad::crear_piezas(fra_baal, {
        {"Label5", "Rf", 3000, 2520, 375, 375, 13.5, colores::azul},
        {"Label4", "Ra", 3000, 3120, 615, 375, 13.5, colores::azul},
    });
    // clang-format on
    crear_linea(fra_baal, QStringLiteral("Line4"), en_pixeles(1800, 1440), en_pixeles(3480, 1440), colores::negro, 2);
    crear_linea(fra_baal, QStringLiteral("Line1"), en_pixeles(2880, 3000), en_pixeles(3480, 3000), colores::azul, 2);
    // Rf over Ra stands in the blank inside the parentheses: ")" right of its bar.
    colocar_con_espacios(ganancia, ganancia->text().lastIndexOf(u')'), px(3480) + 2);
    new accesibilidad::Formula(fra_baal, QStringLiteral("Fc igual a uno entre dos pi R C"), corte);
    new accesibilidad::Formula(
        fra_baal, QStringLiteral("Vo igual a Vi por, abre paréntesis, uno más Rf entre Ra, cierra paréntesis"),
        QList<QLabel*>{ganancia} + rf_entre_ra);
}

void VentanaFiltros::crear_formula_pasa_banda()
{
    fra_banda = crear_marco(lienzo(), QStringLiteral("fra_banda"), QStringLiteral("Fórmula"),
                            en_pixeles(240, 1680, 4815, 3615), fuente(13.5, true), colores::verde);
    // clang-format off
    crear_etiqueta(fra_banda, {"Label27", "Frecuencia de corte inferior", 480, 600, 3495, 255, 12, colores::negro});
    const QList<QLabel*> inferior = accesibilidad::crear_piezas(fra_banda, {
        {"Label23", "Fci =", 840, 1200, 855, 495, 12, colores::rojo},
        {"Label22", "1", 2640, 960, 255, 375, 12, colores::negro},
        {"Label21", "R1  C1", 2280, 1560, 855, 375, 12, colores::negro},
    });
    crear_etiqueta(fra_banda, {"Label28", "Frecuencia de corte superior", 480, 2160, 3495, 375, 12, colores::negro});
    const QList<QLabel*> superior = accesibilidad::crear_piezas(fra_banda, {
        {"Label26", "Fcs =", 840, 2760, 855, 495, 12, colores::rojo},
        {"Label25", "1", 2640, 2520, 255, 375, 12, colores::negro},
        {"Label24", "R2  C2", 2280, 3120, 855, 375, 12, colores::negro},
    });
    // clang-format on
    crear_linea(fra_banda, QStringLiteral("Line2"), en_pixeles(1800, 1440), en_pixeles(3480, 1440), colores::negro, 2);
    crear_linea(fra_banda, QStringLiteral("Line3"), en_pixeles(1800, 3000), en_pixeles(3480, 3000), colores::negro, 2);
    new accesibilidad::Formula(fra_banda, QStringLiteral("Fci igual a uno entre R1 C1"), inferior);
    new accesibilidad::Formula(fra_banda, QStringLiteral("Fcs igual a uno entre R2 C2"), superior);
    fra_banda->hide();
}

void VentanaFiltros::crear_esquemas()
{
    const QColor& azul = colores::azul_oscuro;
    const QColor& rojo = colores::rojo;
    // clang-format off
    crear_esquema(0, "Filtro Pasa Bajos", {"bajo", "pasa_bajos.svg", 480, 600, 3645, 2190}, {
        {"Label31", "Vi", 240, 600, 375, 375, 12, azul},
        {"Label14", "R", 1080, 480, 255, 375, 12, rojo},
        {"Label13", "C", 1320, 1320, 255, 375, 12, rojo},
        {"Label11", "Rf", 3840, 1320, 375, 375, 12, azul},
        {"Label12", "Ra", 3840, 2160, 495, 375, 12, azul},
        {"Label32", "Vo", 4080, 600, 375, 375, 12, azul},
    });
    crear_esquema(1, "Filtro Pasa Altos", {"alto", "pasa_altos.svg", 600, 600, 3555, 2220}, {
        {"Label33", "Vi", 240, 600, 375, 375, 12, azul},
        {"Label17", "C", 1080, 360, 255, 375, 12, rojo},
        {"Label18", "R", 1440, 1320, 255, 375, 12, rojo},
        {"Label7", "Rf", 3840, 1200, 375, 375, 12, azul},
        {"Label9", "Ra", 3840, 2040, 495, 375, 12, azul},
        {"Label34", "Vo", 4080, 600, 375, 375, 12, azul},
    });
    crear_esquema(2, "Filtro Pasa Banda", {"banda", "pasa_banda.svg", 600, 480, 3750, 2070}, {
        {"Label16", "R1", 960, 1200, 375, 375, 12, rojo},
        {"Label15", "C1", 1680, 1800, 375, 375, 12, rojo},
        {"Label20", "R2", 2640, 840, 375, 375, 12, rojo},
        {"Label19", "C2", 3240, 360, 375, 375, 12, rojo},
    });
    // clang-format on
}

// One schematic frame: the drawing, with the labels of its parts over it.
void VentanaFiltros::crear_esquema(int indice, const char* titulo, const calculadora::Imagen& imagen,
                                   std::initializer_list<calculadora::Etiqueta> etiquetas)
{
    QGroupBox* marco = crear_marco(lienzo(), QStringLiteral("fra_filtros(%1)").arg(indice), QString::fromLatin1(titulo),
                                   en_pixeles(240, 5400, 4815, 3015), fuente(13.5, true), colores::verde);
    marco->setVisible(indice == 0);
    crear_imagen(marco, imagen)->setAccessibleName(QStringLiteral("Esquema del ") + marco->title().toLower());
    crear_etiquetas(marco, etiquetas);
    fra_filtros[static_cast<std::size_t>(indice)] = marco;
}

void VentanaFiltros::crear_columnas_r_y_c()
{
    // clang-format off
    crear_etiquetas(lienzo(), {
        {"Label8", "R  (K)", 5400, 2040, 735, 375, 12, colores::rojo},
        {"Label10", "C", 6360, 2040, 255, 375, 12, colores::rojo},
    });
    // clang-format on

    cmb_esc_c = crear_lista_de_unidades(
        lienzo(), QStringLiteral("cmb_esc_c"), {numerico::unidades_de_capacidad, numerico::Grafia::u, unidad_al_abrir},
        en_pixeles(6600, 2040, 615, 315), fuente(8.25, true), QStringLiteral("Unidad de la capacidad"));
    color_de_texto(cmb_esc_c, colores::rojo);

    crear_rectangulo(lienzo(), QStringLiteral("Shape1"), en_pixeles(5385, 3105, 660, 5085));
    crear_rectangulo(lienzo(), QStringLiteral("Shape2"), en_pixeles(6465, 3105, 660, 5085));
    Sld_r = crear_deslizador(lienzo(), QStringLiteral("Sld_r"), en_pixeles(5400, 3120, 630, 5055), 10, 1000, 1, 1,
                             escala_r);
    Sld_c = crear_deslizador(lienzo(), QStringLiteral("Sld_c"), en_pixeles(6480, 3120, 630, 5055), 1, 10000, 1, 1,
                             escala_c);

    // The read-outs start as the sliders' start positions read, written in
    // the user's locale so that every computation reads back what they mean.
    const numerico::Separadores sep = servicios::separadores_del_sistema();
    txt_r = new CajaDeLectura(lienzo(), QStringLiteral("txt_r"), en_pixeles(5400, 2520, 615, 375), 9.75);
    txt_c = new CajaDeLectura(lienzo(), QStringLiteral("txt_c"), en_pixeles(6480, 2520, 615, 375), 9.75);
    txt_r->setText(servicios::a_qstring(filtros::lectura_de_deslizador(Sld_r->value(), escala_r, sep)));
    Sld_r->setAccessibleName(QStringLiteral("Resistencia R en kiloohmios"));
    txt_r->setAccessibleName(QStringLiteral("Valor de R en kiloohmios"));
    txt_c->setAccessibleName(QStringLiteral("Valor de C en la unidad elegida"));
    txt_c->setText(servicios::a_qstring(filtros::lectura_de_deslizador(Sld_c->value(), escala_c, sep)));
}

QList<QWidget*> VentanaFiltros::orden_de_tabulacion() const
{
    QList<QWidget*> orden{btn_salir(), Sld_r, Sld_c, txt_r, txt_c};
    return orden << opt_filtros->opcion(0) << opt_filtros->opcion(1) << opt_filtros->opcion(2) << cmb_esc_c
                 << resultado->caja();
}

void VentanaFiltros::conectar_manejadores()
{
    servicios::al_mover(Sld_r, this, &VentanaFiltros::Sld_r_Change);
    servicios::al_mover(Sld_c, this, &VentanaFiltros::Sld_c_Change);
    servicios::conectar(opt_filtros, &MarcoDeOpciones::elegida, this, &VentanaFiltros::opt_filtros_Click);
    servicios::conectar(cmb_esc_c, &ListaDeUnidades::elegida, this, &VentanaFiltros::cmb_esc_c_Click);
    servicios::conectar(cmb_esc_c, &ListaDeUnidades::editada, this, &VentanaFiltros::cmb_esc_c_Change);
}

// The divisor of the unit the list shows at start.
void VentanaFiltros::Form_Load() { divisor_c = unidad_al_abrir.factor; }

void VentanaFiltros::opt_filtros_Click(int indice)
{
    for (QGroupBox* marco : fra_filtros)
        marco->hide();
    fra_filtros[static_cast<std::size_t>(indice)]->show();
    if (indice == 2) {
        fra_banda->show();
        fra_baal->hide();
    } else {
        fra_banda->hide();
        fra_baal->show();
    }
    calcular_frecuencia_corte();
    anunciar(resultado->valor_con_unidad());
}

// A unit chosen or typed: a text that is one of the units puts its divisor
// in force, any other keeps the divisor before, and the cut-off is computed
// again either way. A new unit is told with what C now stands for and the
// new cut-off.
void VentanaFiltros::cmb_esc_c_Click()
{
    const numerico::Unidad* unidad = cmb_esc_c->unidad();
    const bool otra_unidad = unidad && unidad->factor != divisor_c;
    if (unidad)
        divisor_c = unidad->factor;
    if (otra_unidad)
        nombrar_c();
    calcular_frecuencia_corte();
    if (otra_unidad)
        anunciar(QStringLiteral("C ") + txt_c->text() + u' ' + cmb_esc_c->currentText() + QStringLiteral(", ") +
                 resultado->valor_con_unidad());
}

void VentanaFiltros::cmb_esc_c_Change() { cmb_esc_c_Click(); }

// The C slider is named with the unit in force: screen readers hear its
// value in that unit.
void VentanaFiltros::nombrar_c()
{
    if (const numerico::Unidad* unidad = numerico::unidad_de_factor(divisor_c, numerico::unidades_de_capacidad))
        Sld_c->setAccessibleName(QStringLiteral("Capacidad C en ") + servicios::a_qstring(unidad->nombre));
}

void VentanaFiltros::Sld_r_Change()
{
    txt_r->setText(servicios::a_qstring(
        filtros::lectura_de_deslizador(Sld_r->value(), escala_r, servicios::separadores_del_sistema())));
    calcular_frecuencia_corte();
    anunciar(resultado->valor_con_unidad());
}

void VentanaFiltros::Sld_c_Change()
{
    txt_c->setText(servicios::a_qstring(
        filtros::lectura_de_deslizador(Sld_c->value(), escala_c, servicios::separadores_del_sistema())));
    calcular_frecuencia_corte();
    anunciar(resultado->valor_con_unidad());
}

void VentanaFiltros::calcular_frecuencia_corte()
{
    const bool pasa_banda = opt_filtros->opcion(2)->isChecked();
    const filtros::FrecuenciaDeCorte f =
        filtros::calcular_frecuencia_corte(txt_r->text().toStdU16String(), txt_c->text().toStdU16String(), divisor_c,
                                           pasa_banda, servicios::separadores_del_sistema());
    resultado->mostrar(servicios::a_qstring(f.valor), servicios::a_qstring(f.unidad));
}
