#include "ventana_velorna.h"

#include "accesibilidad/formula.h"
#include "numerico/unidades.h"
#include "servicios/manejadores.h"
#include "servicios/texto.h"
#include "ventana/boton_con_imagen.h"
#include "ventana/controles.h"
#include "ventana/dibujo.h"
#include "ventana/estilo.h"
#include "ventana/lista_de_unidades.h"
#include "ventana/marco_de_opciones.h"
#include "ventana/marco_de_resultado.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>

using namespace calculadora;

// The design tables below keep one row per control, as the design lists
// them, outside the formatter.
using velorna::Parametro;

namespace {

constexpr DisenoDeVentana diseno{.nombre = "frm_c_tanque",
                                 .titulo = "Velorna, generador de Onda Portadora",
                                 .ancho = 8700,
                                 .alto = 8070,
                                 .logo = "Image2",
                                 .izquierda_del_logo = 120,
                                 .izquierda_del_banner = 5160,
                                 .etiqueta_superior = "Label8",
                                 .etiqueta_inferior = "Label9",
                                 .salir = {6600, 6960, 1695, 855}};

// The three quantities in the order of Parametro, which the rows follow: the
// name of each (its row's caption and the result's), its row, its units with
// the one shown at start, and the unit a result of it is shown in.
struct Cantidad {
    const char* nombre;
    const char *etiqueta, *entrada, *lista;
    int arriba, ancho_de_etiqueta;
    std::span<const numerico::Unidad> unidades;
    const numerico::Unidad* al_abrir;
    const numerico::Unidad* del_resultado;
};
const Cantidad cantidades[] = {
    {.nombre = "Frecuencia:",
     .etiqueta = "lbl_frec",
     .entrada = "txt_frec",
     .lista = "cmb_frec",
     .arriba = 4080,
     .ancho_de_etiqueta = 1815,
     .unidades = numerico::unidades_de_frecuencia,
     .al_abrir = &numerico::unidades_de_frecuencia[2],
     .del_resultado = &numerico::unidades_de_frecuencia[0]},
    {.nombre = "Capacitancia:",
     .etiqueta = "lbl_capa",
     .entrada = "txt_capa",
     .lista = "cmb_capa",
     .arriba = 4800,
     .ancho_de_etiqueta = 1815,
     .unidades = numerico::unidades_de_capacidad,
     .al_abrir = &numerico::unidades_de_capacidad[0],
     .del_resultado = &velorna::unidad_de_capacidad_calculada},
    {.nombre = "Inductancia:",
     .etiqueta = "lbl_indu",
     .entrada = "txt_indu",
     .lista = "cmb_indu",
     .arriba = 5520,
     .ancho_de_etiqueta = 1935,
     .unidades = numerico::unidades_de_inductancia,
     .al_abrir = &numerico::unidades_de_inductancia[1],
     .del_resultado = &velorna::unidad_de_inductancia_calculada},
};
static_assert(static_cast<int>(Parametro::frecuencia) == 0 && static_cast<int>(Parametro::capacitancia) == 1 &&
                  static_cast<int>(Parametro::inductancia) == 2,
              "the rows and the quantities follow the order of Parametro");

const Cantidad& cantidad(Parametro p) { return cantidades[static_cast<std::size_t>(p)]; }

const QString aviso_de_cero =
    QStringLiteral("Revise el valor. No Deben existir valores en 0, ni decimales mal escritos");
const QString aviso_de_numero_invalido = QStringLiteral("Debe escribir un numero valido");

constexpr int maximo_de_caracteres = 6;

} // namespace

VentanaVelorna::VentanaVelorna()
    : VentanaCalculadora(diseno)
{
    crear_formula();
    crear_esquema();
    crear_filas();
    opt_parametro = new MarcoDeOpciones(
        lienzo(),
        {.titulo = QStringLiteral("Parámetro a calcular"),
         .marco = {4320, 4920, 4215, 1935},
         .puntos_del_titulo = 12,
         .nombre = QStringLiteral("opt_parametro"),
         .opciones = {QStringLiteral("Frequencia"), QStringLiteral("Capacitancia"), QStringLiteral("Inductancia")},
         .primera = {1200, 480, 1815, 255},
         .separacion = 480});
    btb_resulta = new BotonConImagen(lienzo(), QStringLiteral("btb_resulta"), QStringLiteral("Calcular"),
                                     QStringLiteral(":/imagenes/calculadora.svg"), en_pixeles(4560, 6960, 1695, 855));
    btb_resulta->setAccessibleDescription(QStringLiteral("Calcula el parámetro elegido a partir de los otros dos"));
    resultado = new MarcoDeResultado(lienzo(), {.marco = {120, 6120, 3975, 1695},
                                                .puntos_del_titulo = 12,
                                                .nombre = {240, 480, 1935, 495},
                                                .valor = {240, 960, 2775, 495},
                                                .unidad = {3120, 1080, 615, 375}});
    resultado->rotular(QString::fromUtf8(cantidad(parametro).nombre),
                       servicios::a_qstring(cantidad(parametro).del_resultado->simbolo));
    ordenar_tabulacion(orden_de_tabulacion());
    filas[static_cast<std::size_t>(Parametro::capacitancia)].entrada->setFocus();

    Form_Load();
    conectar_manejadores();
}

void VentanaVelorna::crear_formula()
{
    QGroupBox* marco = crear_marco(lienzo(), QStringLiteral("Frame1"), QStringLiteral("Fórmula"),
                                   en_pixeles(120, 1800, 3975, 2055), fuente(12, true), colores::verde);
    // clang-format off
    const QList<QLabel*> uno_entre = accesibilidad::crear_piezas(marco, {
        {"Label2", "F =", 360, 840, 855, 495, 18, colores::rojo, negrita | con_fondo},
        {"Label3", "1", 2040, 600, 255, 495, 18, colores::rojo},
    });
    QLabel* raiz = accesibilidad::crear_piezas(marco, {{"Label1", "2 π    CL", 1560, 1200, 1575, 615, 18, colores::rojo, negrita | con_fondo}}).front();
    // clang-format on
    // The fraction bar, then the radical sign over "CL" in three strokes.
    crear_linea(marco, QStringLiteral("Line4"), en_pixeles(1200, 1080), en_pixeles(3120, 1080), colores::negro, 1);
    crear_linea(marco, QStringLiteral("Line1"), en_pixeles(2160, 1440), en_pixeles(2280, 1680), colores::negro, 3);
    crear_linea(marco, QStringLiteral("Line2"), en_pixeles(2280, 1680), en_pixeles(2400, 1200), colores::negro, 3);
    crear_linea(marco, QStringLiteral("Line3"), en_pixeles(2400, 1200), en_pixeles(2880, 1200), colores::negro, 3);
    // "CL" stands centred under the radical's bar, as wide as it is.
    const QString cl = QStringLiteral("CL");
    const qreal ancho = QFontMetricsF(raiz->font()).horizontalAdvance(cl);
    colocar_con_espacios(raiz, raiz->text().indexOf(cl), (px(2400) + px(2880) - ancho) / 2);
    new accesibilidad::Formula(
        marco, QStringLiteral("F igual a uno entre el producto de dos pi por la raíz cuadrada de C por L"),
        uno_entre + QList<QLabel*>{raiz});
}

void VentanaVelorna::crear_esquema()
{
    crear_rectangulo(lienzo(), QStringLiteral("Shape1"), en_pixeles(4320, 1800, 4215, 3015));
    crear_imagen(lienzo(), {"Image1", "oscilador.svg", 4560, 1920, 3990, 2865})
        ->setAccessibleName(QStringLiteral("Esquema de un oscilador de onda portadora con circuito tanque LC"));
    // clang-format off
    crear_etiquetas(lienzo(), {
        {"Label10", "Vcc", 4440, 1920, 495, 375, 12, colores::rojo, negrita | con_fondo},
        {"Label7", "In", 4400, 3120, 255, 375, 12, colores::rojo, negrita | con_fondo},
    });
    // clang-format on
}

// One row per quantity: its caption, its entry and its unit list. The
// frequency's row stays hidden until another quantity is computed.
void VentanaVelorna::crear_filas()
{
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const Cantidad& c = cantidades[i];
        Fila& fila = filas[i];
        fila.etiqueta =
            crear_etiqueta(lienzo(), QString::fromLatin1(c.etiqueta), QString::fromUtf8(c.nombre),
                           en_pixeles(240, c.arriba, c.ancho_de_etiqueta, 375), fuente(12, true), colores::negro);
        fondo_blanco(fila.etiqueta);
        fila.entrada = new QLineEdit(lienzo());
        fila.entrada->setObjectName(QString::fromLatin1(c.entrada));
        fila.entrada->setMaxLength(maximo_de_caracteres);
        fila.entrada->setFont(fuente(9.75));
        fila.entrada->setGeometry(en_pixeles(1920, c.arriba, 1095, 375));
        const QString nombre = sin_dos_puntos(fila.etiqueta->text());
        fila.entrada->setAccessibleName(nombre);
        fila.unidad = crear_lista_de_unidades(
            lienzo(), QString::fromLatin1(c.lista), {c.unidades, numerico::Grafia::micro, *c.al_abrir},
            en_pixeles(3240, c.arriba, 855, 360), fuente(9.75), QStringLiteral("Unidad de la ") + nombre.toLower());
    }
    const Fila& frecuencia = filas[static_cast<std::size_t>(Parametro::frecuencia)];
    for (QWidget* control : std::initializer_list<QWidget*>{frecuencia.etiqueta, frecuencia.entrada, frecuencia.unidad})
        control->hide();
}

QList<QWidget*> VentanaVelorna::orden_de_tabulacion() const
{
    QList<QWidget*> orden;
    for (const Fila& fila : filas)
        orden << fila.entrada << fila.unidad;
    return orden << opt_parametro->opcion(0) << opt_parametro->opcion(1) << opt_parametro->opcion(2) << btb_resulta
                 << btn_salir() << resultado->caja();
}

ListaDeUnidades* VentanaVelorna::lista_de(Parametro cantidad) const
{
    return filas[static_cast<std::size_t>(cantidad)].unidad;
}

void VentanaVelorna::conectar_manejadores()
{
    servicios::conectar(opt_parametro, &MarcoDeOpciones::elegida, this, &VentanaVelorna::opt_parametro_Click);
    servicios::conectar(btb_resulta, &QToolButton::clicked, this, &VentanaVelorna::btb_resulta_Click);
    // By Parametro, as the rows.
    const std::array al_cambiar_la_unidad{&VentanaVelorna::cmb_frec_Change, &VentanaVelorna::cmb_capa_Change,
                                          &VentanaVelorna::cmb_indu_Change};
    for (std::size_t i = 0; i < filas.size(); ++i) {
        // Enter in an entry computes as "Calcular" does; the focus stays in the entry.
        servicios::conectar(filas[i].entrada, &QLineEdit::returnPressed, this, &VentanaVelorna::btb_resulta_Click);
        servicios::conectar(filas[i].unidad, &ListaDeUnidades::elegida, this, al_cambiar_la_unidad[i]);
        servicios::conectar(filas[i].unidad, &ListaDeUnidades::editada, this, al_cambiar_la_unidad[i]);
    }
}

// The factors of the units the lists show at start.
void VentanaVelorna::Form_Load()
{
    esc_capa = cantidad(Parametro::capacitancia).al_abrir->factor;
    esc_indu = cantidad(Parametro::inductancia).al_abrir->factor;
    esc_frec = cantidad(Parametro::frecuencia).al_abrir->factor;
}

void VentanaVelorna::opt_parametro_Click(int indice)
{
    if (indice < 0 || indice > 2) { // no such option: the result is emptied and nothing else changes
        resultado->mostrar({});
        return;
    }
    parametro = static_cast<Parametro>(indice);
    resultado->rotular(QString::fromUtf8(cantidad(parametro).nombre),
                       servicios::a_qstring(cantidad(parametro).del_resultado->simbolo));
    // The row of the quantity computed hides; the entries keep their texts.
    QStringList pedidas;
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const bool visible = static_cast<int>(i) != indice;
        filas[i].etiqueta->setVisible(visible);
        filas[i].entrada->setVisible(visible);
        filas[i].unidad->setVisible(visible);
        if (visible)
            pedidas << filas[i].entrada->accessibleName() + QStringLiteral(" en ") + filas[i].unidad->currentText();
    }
    // What the entries now ask for, told where the focus is, as a sighted
    // user sees them change: "Frecuencia en MHz, Inductancia en µH".
    anunciar(pedidas.join(QStringLiteral(", ")));
}

void VentanaVelorna::cmb_frec_Change() { tomar_factor(Parametro::frecuencia, esc_frec); }

void VentanaVelorna::cmb_capa_Change() { tomar_factor(Parametro::capacitancia, esc_capa); }

void VentanaVelorna::cmb_indu_Change() { tomar_factor(Parametro::inductancia, esc_indu); }

void VentanaVelorna::tomar_factor(Parametro cantidad, double& factor) const
{
    if (const numerico::Unidad* unidad = lista_de(cantidad)->unidad())
        factor = unidad->factor;
}

void VentanaVelorna::btb_resulta_Click()
{
    const auto texto = [this](Parametro p) {
        return filas[static_cast<std::size_t>(p)].entrada->text().toStdU16String();
    };
    const std::u16string frec = texto(Parametro::frecuencia);
    const std::u16string capa = texto(Parametro::capacitancia);
    const std::u16string indu = texto(Parametro::inductancia);
    const auto solucion =
        velorna::resolver(parametro, {.frec = frec, .capa = capa, .indu = indu},
                          {.frec = esc_frec, .capa = esc_capa, .indu = esc_indu}, servicios::separadores_del_sistema());
    if (const auto* rechazo = std::get_if<velorna::Rechazo>(&solucion)) {
        servicios::avisar(this, *rechazo == velorna::Rechazo::valor_cero ? aviso_de_cero : aviso_de_numero_invalido);
        return;
    }
    const auto& r = std::get<velorna::Resultado>(solucion);
    if (r.unidad)
        resultado->mostrar(servicios::a_qstring(r.valor), servicios::a_qstring(*r.unidad));
    else
        resultado->mostrar(servicios::a_qstring(r.valor));
    anunciar(resultado->frase());
}
