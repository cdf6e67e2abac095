#include "marco_de_opciones.h"

#include "controles.h"
#include "estilo.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace calculadora {

MarcoDeOpciones::MarcoDeOpciones(QWidget* padre, const Diseno& diseno)
    : QGroupBox(diseno.titulo, padre)
{
    disenar_marco(this, QStringLiteral("Frame2"), en_pixeles(diseno.marco), fuente(diseno.puntos_del_titulo, true),
                  colores::verde);
    auto* grupo = new QButtonGroup(this);
    for (qsizetype i = 0; i < diseno.opciones.size(); ++i) {
        auto* boton = new QRadioButton(diseno.opciones[i], this);
        boton->setObjectName(QStringLiteral("%1(%2)").arg(diseno.nombre).arg(i));
        boton->setFont(fuente(9.75, true));
        color_de_texto(boton, colores::negro);
        boton->setGeometry(en_pixeles(diseno.primera).translated(0, static_cast<int>(i) * px(diseno.separacion)));
        grupo->addButton(boton, static_cast<int>(i));
        botones_ << boton;
    }
    botones_.front()->setChecked(true);
    connect(grupo, &QButtonGroup::idClicked, this, &MarcoDeOpciones::elegida);
}

} // namespace calculadora
