#include "marco_de_opciones.h"

#include "controles.h"
#include "estilo.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QKeyEvent>
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
        boton->installEventFilter(this);
        botones_ << boton;
    }
    botones_.front()->setChecked(true);
    connect(grupo, &QButtonGroup::idClicked, this, &MarcoDeOpciones::elegida);
}

// Qt moves among radio buttons by their position, and these stand in a
// column, where Left and Right would find none: they act as Up and Down.
bool MarcoDeOpciones::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        const int en_la_columna = tecla->key() == Qt::Key_Left    ? Qt::Key_Up
                                  : tecla->key() == Qt::Key_Right ? Qt::Key_Down
                                                                  : 0;
        if (en_la_columna != 0) {
            QKeyEvent equivalente(QEvent::KeyPress, en_la_columna, tecla->modifiers(), QString(), tecla->isAutoRepeat(),
                                  tecla->count());
            QCoreApplication::sendEvent(objeto, &equivalente);
            return true;
        }
    }
    return QGroupBox::eventFilter(objeto, evento);
}

} // namespace calculadora
