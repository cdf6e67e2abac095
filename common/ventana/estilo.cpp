#include "estilo.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace ventana {

QFont fuente(double puntos, bool negrita)
{
    QFont f;
    f.setFamilies({QString::fromLatin1(familia_de_diseno), QString::fromLatin1(familia_sustituta)});
    f.setPointSizeF(puntos);
    f.setWeight(negrita ? QFont::Bold : QFont::Normal);
    return f;
}

void color_de_texto(QWidget* control, const QColor& color)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::WindowText, color);
    paleta.setColor(QPalette::Text, color);
    paleta.setColor(QPalette::ButtonText, color);
    control->setPalette(paleta);
}

void fondo_blanco(QWidget* control)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Window, colores::blanco);
    control->setPalette(paleta);
    control->setAutoFillBackground(true);
}

} // namespace ventana
