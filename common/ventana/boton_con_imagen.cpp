#include "boton_con_imagen.h"

#include "estilo.h"
#include "icono.h"

#include <QKeyEvent>

namespace calculadora {

BotonConImagen::BotonConImagen(QWidget* padre, const QString& nombre, const QString& texto, const QString& recurso,
                               QRect lugar)
    : QToolButton(padre)
{
    setObjectName(nombre);
    setText(texto);
    setIcon(icono(recurso));
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFont(fuente(8.25, true));
    setFocusPolicy(Qt::StrongFocus);
    setGeometry(lugar);
}

void BotonConImagen::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)
        animateClick();
    else
        QToolButton::keyPressEvent(evento);
}

} // namespace calculadora
