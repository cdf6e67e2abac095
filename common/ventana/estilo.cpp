#include "estilo.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace calculadora {

namespace {

// The design family or its successor, those the system has, before the
// substitute. Asking once spares every font of the window a fruitless search.
QStringList familias_presentes()
{
    QStringList presentes;
    for (const char* familia : {familia_de_diseno, familia_sucesora})
        if (QFontDatabase::hasFamily(QString::fromLatin1(familia)))
            presentes.append(QString::fromLatin1(familia));
    presentes.append(QString::fromLatin1(familia_sustituta));
    return presentes;
}

const QStringList& familias()
{
    static const QStringList elegidas = familias_presentes();
    return elegidas;
}

} // namespace

QFont fuente(double puntos, bool negrita)
{
    QFont f;
    f.setFamilies(familias());
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
    paleta.setColor(QPalette::Base, colores::blanco);
    paleta.setColor(QPalette::Window, colores::blanco);
    control->setPalette(paleta);
}

void colores_del_tema(QWidget* control)
{
    // A palette copied as a whole resolves against the parent's, so each
    // role is set one by one.
    const QPalette tema = QGuiApplication::palette();
    QPalette paleta;
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo) {
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            const auto g = static_cast<QPalette::ColorGroup>(grupo);
            const auto r = static_cast<QPalette::ColorRole>(papel);
            if (r != QPalette::NoRole)
                paleta.setColor(g, r, tema.color(g, r));
        }
    }
    control->setPalette(paleta);
}

void fondo_blanco(QWidget* control)
{
    QPalette paleta = control->palette();
    paleta.setColor(QPalette::Window, colores::blanco);
    control->setPalette(paleta);
    control->setAutoFillBackground(true);
}

} // namespace calculadora
