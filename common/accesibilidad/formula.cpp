#include "formula.h"

#include <QAccessible>
#include <QLabel>

#include <algorithm>

namespace accesibilidad {

Formula::Formula(QWidget* marco, const QString& frase, const QList<QLabel*>& piezas)
    : QWidget(marco)
{
    // Named after its first piece: a frame may hold several.
    setObjectName(QStringLiteral("formula_") + (piezas.isEmpty() ? QString() : piezas.first()->objectName()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(frase);
    QRect zona;
    for (QLabel* pieza : piezas) {
        piezas_.append(pieza);
        zona |= pieza->geometry();
        // Whatever a screen reader was told of the label before is forgotten:
        // it is asked again, and is now a piece.
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(pieza)));
    }
    setGeometry(zona);
}

bool Formula::es_pieza(const QObject* etiqueta)
{
    const QObject* marco = etiqueta->parent();
    if (!marco)
        return false;
    const QList<Formula*> formulas = marco->findChildren<Formula*>(Qt::FindDirectChildrenOnly);
    return std::any_of(formulas.begin(), formulas.end(),
                       [etiqueta](const Formula* f) { return f->piezas_.contains(etiqueta); });
}

} // namespace accesibilidad
