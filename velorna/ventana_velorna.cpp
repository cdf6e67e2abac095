#include "ventana_velorna.h"

#include "plataforma/servicios.h"
#include "ventana/controles.h"
#include "ventana/estilo.h"
#include "ventana/lista_de_unidades.h"
#include "ventana/medidas.h"

#include <QButtonGroup>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSvgWidget>
#include <QToolButton>

using namespace ventana;

namespace {

enum FilaDeEntrada { fila_frec, fila_capa, fila_indu };

const QString aviso_de_cero =
    QStringLiteral("Revise el valor. No Deben existir valores en 0, ni decimales mal escritos");
const QString aviso_de_numero_invalido = QStringLiteral("Debe escribir un numero valido");

constexpr int maximo_de_caracteres = 6;

} // namespace

VentanaVelorna::VentanaVelorna()
    : VentanaCalculadora(QStringLiteral("frm_c_tanque"), QStringLiteral("Velorna, generador de Onda Portadora"),
                         QSize(px(8700), px(8070)))
{
    crear_logo(lienzo(), QStringLiteral("Image2"), 120);
    crear_banner(lienzo(), en_pixeles(5160, 120), QStringLiteral("Label8"), QStringLiteral("Label9"));
    crear_formula();
    crear_esquema();
    const QString micro = QStringLiteral("\u00b5");
    filas[fila_frec] = crear_fila("lbl_frec", "txt_frec", "cmb_frec", "Frecuencia:", 4080, 1815,
                                  {QStringLiteral("Hz"), QStringLiteral("KHz"), QStringLiteral("MHz")});
    filas[fila_frec].unidad->setCurrentIndex(2);
    filas[fila_capa] = crear_fila("lbl_capa", "txt_capa", "cmb_capa", "Capacitancia:", 4800, 1815,
                                  {micro + u'F', QStringLiteral("nF"), QStringLiteral("pF")});
    filas[fila_indu] = crear_fila("lbl_indu", "txt_indu", "cmb_indu", "Inductancia:", 5520, 1935,
                                  {QStringLiteral("mH"), micro + u'H', QStringLiteral("nH")});
    filas[fila_indu].unidad->setCurrentIndex(1);
    for (QWidget* control : {static_cast<QWidget*>(filas[fila_frec].etiqueta),
                             static_cast<QWidget*>(filas[fila_frec].entrada),
                             static_cast<QWidget*>(filas[fila_frec].unidad)})
        control->hide();
    crear_opciones();

    btb_resulta = crear_boton_con_imagen(lienzo(), QStringLiteral("btb_resulta"), QStringLiteral("Calcular"),
                                         QStringLiteral(":/imagenes/calculadora.svg"),
                                         en_pixeles(4560, 6960, 1695, 855));
    btb_resulta->setAccessibleDescription(QStringLiteral("Calcula el parámetro elegido a partir de los otros dos"));

    resultado = crear_marco_resultado(lienzo(), {en_pixeles(120, 6120, 3975, 1695), 12, en_pixeles(240, 480, 1935, 495),
                                             en_pixeles(240, 960, 2775, 495), en_pixeles(3120, 1080, 615, 375)});
    resultado.lbl_result->setText(QStringLiteral("Frecuencia:"));
    poner_unidad(resultado, QStringLiteral("Hz"));
    btn_salir = crear_boton_salir(lienzo(), en_pixeles(6600, 6960, 1695, 855));
    ordenar_tabulacion();
    filas[fila_capa].entrada->setFocus();

    Form_Load();
    conectar_manejadores();
}

void VentanaVelorna::crear_formula()
{
    QGroupBox* marco = crear_marco(lienzo(), QStringLiteral("Frame1"), QStringLiteral("Fórmula"),
                                   en_pixeles(120, 1800, 3975, 2055), fuente(12, true), colores::verde);
    crear_etiquetas(marco, {
        {"Label2", "F =", 360, 840, 855, 495, 18, colores::rojo, negrita | con_fondo},
        {"Label3", "1", 2040, 600, 255, 495, 18, colores::rojo},
        {"Label1", "2 π    CL", 1560, 1200, 1575, 615, 18, colores::rojo, negrita | con_fondo},
    });
    // The fraction bar, then the radical sign over "CL" in three strokes.
    crear_linea(marco, QStringLiteral("Line4"), en_pixeles(1200, 1080), en_pixeles(3120, 1080), colores::negro, 1);
    crear_linea(marco, QStringLiteral("Line1"), en_pixeles(2160, 1440), en_pixeles(2280, 1680), colores::negro, 3);
    crear_linea(marco, QStringLiteral("Line2"), en_pixeles(2280, 1680), en_pixeles(2400, 1200), colores::negro, 3);
    crear_linea(marco, QStringLiteral("Line3"), en_pixeles(2400, 1200), en_pixeles(2880, 1200), colores::negro, 3);
    // "CL" stands centred under the radical's bar, as wide as it is.
    auto* raiz = marco->findChild<QLabel*>(QStringLiteral("Label1"));
    const QString cl = QStringLiteral("CL");
    const qreal ancho = QFontMetricsF(raiz->font()).horizontalAdvance(cl);
    colocar_con_espacios(raiz, raiz->text().indexOf(cl), (px(2400) + px(2880) - ancho) / 2);
}

void VentanaVelorna::crear_esquema()
{
    crear_rectangulo(lienzo(), QStringLiteral("Shape1"), en_pixeles(4320, 1800, 4215, 3015));
    crear_imagen(lienzo(), {"Image1", "oscilador.svg", 4560, 1920, 3990, 2865})
        ->setAccessibleName(QStringLiteral("Esquema de un oscilador de onda portadora con circuito tanque LC"));
    crear_etiquetas(lienzo(), {
        {"Label10", "Vcc", 4440, 1920, 495, 375, 12, colores::rojo, negrita | con_fondo},
        {"Label7", "In", 4400, 3120, 255, 375, 12, colores::rojo, negrita | con_fondo},
    });
}

VentanaVelorna::Fila VentanaVelorna::crear_fila(const char* etiqueta, const char* entrada, const char* lista,
                                                const char* titulo, int top, int ancho_etiqueta,
                                                const QStringList& unidades)
{
    Fila fila{};
    fila.etiqueta = crear_etiqueta(lienzo(), QString::fromLatin1(etiqueta), QString::fromLatin1(titulo),
                                   en_pixeles(240, top, ancho_etiqueta, 375), fuente(12, true), colores::negro);
    fondo_blanco(fila.etiqueta);
    fila.entrada = new QLineEdit(lienzo());
    fila.entrada->setObjectName(QString::fromLatin1(entrada));
    fila.entrada->setMaxLength(maximo_de_caracteres);
    fila.entrada->setFont(fuente(9.75));
    fila.entrada->setGeometry(en_pixeles(1920, top, 1095, 375));
    const QString cantidad = fila.etiqueta->text().chopped(1); // without the colon
    fila.entrada->setAccessibleName(cantidad);
    fila.unidad = crear_lista_de_unidades(lienzo(), QString::fromLatin1(lista), unidades, en_pixeles(3240, top, 855, 360),
                                          fuente(9.75), QStringLiteral("Unidad de la ") + cantidad.toLower());
    return fila;
}

void VentanaVelorna::crear_opciones()
{
    QGroupBox* opciones = crear_marco(lienzo(), QStringLiteral("Frame2"), QStringLiteral("Parámetro a calcular"),
                                      en_pixeles(4320, 4920, 4215, 1935), fuente(12, true), colores::verde);
    grupo_parametro = ventana::crear_opciones(opciones, QStringLiteral("opt_parametro"),
                                              {QStringLiteral("Frequencia"), QStringLiteral("Capacitancia"),
                                              QStringLiteral("Inductancia")},
                                              en_pixeles(1200, 480, 1815, 255), px(480));
    for (int i = 0; i < 3; ++i)
        opt_parametro[static_cast<std::size_t>(i)] = qobject_cast<QRadioButton*>(grupo_parametro->button(i));
}

void VentanaVelorna::ordenar_tabulacion()
{
    QList<QWidget*> orden;
    for (const Fila& fila : filas)
        orden << fila.entrada << fila.unidad;
    orden << opt_parametro[0] << opt_parametro[1] << opt_parametro[2] << btb_resulta << btn_salir
          << resultado.txt_result;
    ventana::ordenar_tabulacion(orden);
}

void VentanaVelorna::conectar_lista(ventana::ListaDeUnidades* lista, std::span<const numerico::Unidad> unidades, double& factor)
{
    // Click (an item chosen) and Change (the text edited) do the same: set
    // the factor when the whole text is one of the units, nothing else.
    const auto elegir = [this, lista, unidades, &factor] {
        plataforma::con_guardia(this, [&] {
            factor = numerico::factor_de_unidad(lista->currentText().toStdU16String(), unidades, factor);
        });
    };
    connect(lista, &QComboBox::activated, this, elegir);
    connect(lista->lineEdit(), &QLineEdit::textEdited, this, elegir);
}

void VentanaVelorna::conectar_manejadores()
{
    plataforma::conectar(grupo_parametro, &QButtonGroup::idClicked, this, &VentanaVelorna::opt_parametro_Click);
    plataforma::conectar(btb_resulta, &QToolButton::clicked, this, &VentanaVelorna::btb_resulta_Click);
    // Enter in an entry computes as "Calcular" does; the focus stays in the entry.
    for (const Fila& fila : filas)
        plataforma::conectar(fila.entrada, &QLineEdit::returnPressed, this, &VentanaVelorna::btb_resulta_Click);
    conectar_lista(filas[fila_capa].unidad, velorna::unidades_de_capacidad, esc_capa);
    conectar_lista(filas[fila_indu].unidad, velorna::unidades_de_inductancia, esc_indu);
    conectar_lista(filas[fila_frec].unidad, velorna::unidades_de_frecuencia, esc_frec);
}

void VentanaVelorna::Form_Load()
{
    esc_capa = 1000000.0;
    esc_indu = 1000000.0;
    esc_frec = 1000000.0;
}

void VentanaVelorna::opt_parametro_Click(int indice)
{
    resultado.txt_result->clear();
    struct Opcion {
        const char16_t* nombre;
        const char16_t* unidad;
    };
    static constexpr Opcion opciones[] = {
        {u"Frecuencia:", u"Hz"}, {u"Capacitancia:", u"\u00b5F"}, {u"Inductancia:", u"\u00b5H"}};
    if (indice < 0 || indice > 2)
        return;
    parametro = static_cast<velorna::Parametro>(indice);
    resultado.lbl_result->setText(QString::fromUtf16(opciones[indice].nombre));
    poner_unidad(resultado, QString::fromUtf16(opciones[indice].unidad));
    // The row of the quantity computed hides; the entries keep their texts.
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const bool visible = static_cast<int>(i) != indice;
        filas[i].etiqueta->setVisible(visible);
        filas[i].entrada->setVisible(visible);
        filas[i].unidad->setVisible(visible);
    }
}

void VentanaVelorna::btb_resulta_Click()
{
    const std::u16string capa = filas[fila_capa].entrada->text().toStdU16String();
    const std::u16string indu = filas[fila_indu].entrada->text().toStdU16String();
    const std::u16string frec = filas[fila_frec].entrada->text().toStdU16String();
    const auto solucion = velorna::resolver(parametro, {capa, indu, frec}, {esc_capa, esc_indu, esc_frec},
                                            plataforma::separadores_del_sistema());
    if (const auto* rechazo = std::get_if<velorna::Rechazo>(&solucion)) {
        plataforma::avisar(this, *rechazo == velorna::Rechazo::valor_cero ? aviso_de_cero : aviso_de_numero_invalido);
        return;
    }
    const auto& r = std::get<velorna::Resultado>(solucion);
    if (r.unidad)
        poner_unidad(resultado, plataforma::a_qstring(*r.unidad));
    resultado.txt_result->setText(plataforma::a_qstring(r.valor));
}
