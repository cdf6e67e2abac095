#include "formula.h"

#include "ventana/controles.h"

#include <numeric>

namespace accesibilidad {

PiezaDeFormula::PiezaDeFormula(QWidget* marco)
    : QLabel(marco)
{}

QList<QLabel*> crear_piezas(QWidget* marco, std::initializer_list<calculadora::Etiqueta> piezas)
{
    QList<QLabel*> creadas;
    for (const calculadora::Etiqueta& pieza : piezas)
        creadas.append(calculadora::disenar_etiqueta(new PiezaDeFormula(marco), pieza));
    return creadas;
}

Formula::Formula(QWidget* marco, const QString& frase, const QList<QLabel*>& piezas)
    : QWidget(marco)
{
    // Named after its first piece: a frame may hold several.
    setObjectName(QStringLiteral("formula_") + (piezas.isEmpty() ? QString() : piezas.first()->objectName()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(frase);
    setGeometry(std::accumulate(piezas.begin(), piezas.end(), QRect(),
                                [](const QRect& zona, const QLabel* pieza) { return zona | pieza->geometry(); }));
}

} // namespace accesibilidad
