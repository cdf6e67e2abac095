#include "caja_de_lectura.h"

#include "estilo.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

namespace calculadora {
namespace {

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int margen_del_texto = 2;
// How finely the font shrinks, in points.
constexpr double paso_de_fuente = 0.25;
constexpr double fuente_minima = 4.0;

} // namespace

CajaDeLectura::CajaDeLectura(QWidget* padre, const QString& nombre, QRect lugar, double puntos)
    : QLineEdit(padre)
    , fuente_de_diseno_(fuente(puntos, true))
{
    setObjectName(nombre);
    setReadOnly(true);
    setFont(fuente_de_diseno_);
    color_de_texto(this, colores::rojo);
    connect(this, &QLineEdit::textChanged, this, &CajaDeLectura::ajustar_fuente);
    setGeometry(lugar);
}

void CajaDeLectura::resizeEvent(QResizeEvent* evento)
{
    QLineEdit::resizeEvent(evento);
    ajustar_fuente();
}

// QLineEdit selects its whole text when Tab brings the focus; the selection
// would be read out again, cut short.
void CajaDeLectura::focusInEvent(QFocusEvent* evento)
{
    QFocusEvent sin_seleccion(evento->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&sin_seleccion);
}

// QLineEdit shows a text from its first character when its width, rounded,
// plus one pixel for the cursor fits between the margins of its contents.
bool CajaDeLectura::cabe_con(const QFont& fuente) const
{
    QStyleOptionFrame opcion;
    initStyleOption(&opcion);
    const QRect contenido =
        style()->subElementRect(QStyle::SE_LineEditContents, &opcion, this).marginsRemoved(textMargins());
    const int ancho = contenido.width() - (2 * margen_del_texto);
    return qRound(QFontMetricsF(fuente).horizontalAdvance(text())) + 1 <= ancho;
}

void CajaDeLectura::ajustar_fuente()
{
    QFont elegida = fuente_de_diseno_;
    while (!cabe_con(elegida) && elegida.pointSizeF() - paso_de_fuente >= fuente_minima)
        elegida.setPointSizeF(elegida.pointSizeF() - paso_de_fuente);
    if (elegida != font())
        setFont(elegida);
}

} // namespace calculadora
