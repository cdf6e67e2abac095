#include "accesibilidad.h"

#include "decoracion.h"
#include "lista_de_unidades.h"
#include "ventana_calculadora.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QSvgWidget>

namespace ventana {
namespace {

// A drawn stroke: no name (a stroke inside a frame would otherwise take the
// frame's caption) and the role of blank space, which screen readers skip.
class TrazoAccesible : public QAccessibleWidget {
public:
    explicit TrazoAccesible(QWidget* trazo)
        : QAccessibleWidget(trazo, QAccessible::Whitespace)
    {}

    [[nodiscard]] QString text(QAccessible::Text /*texto*/) const override { return {}; }
};

// An editable unit list as Qt presents any combo box (its popup list and
// its text entry as children, the entry's text as its value), but named by
// its accessible name: on Linux Qt names a combo box by the text it shows.
class ListaAccesible : public QAccessibleWidget {
public:
    explicit ListaAccesible(QWidget* lista)
        : QAccessibleWidget(lista, QAccessible::ComboBox)
    {}

    [[nodiscard]] QString text(QAccessible::Text texto) const override
    {
        if (texto == QAccessible::Value)
            return lista()->currentText();
        return QAccessibleWidget::text(texto);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.editable = true;
        estado.expandable = true;
        estado.expanded = lista()->view()->isVisible();
        return estado;
    }

    [[nodiscard]] int childCount() const override { return 2; }

    [[nodiscard]] QAccessibleInterface* child(int indice) const override
    {
        if (indice == 0)
            return QAccessible::queryAccessibleInterface(lista()->view());
        if (indice == 1)
            return QAccessible::queryAccessibleInterface(lista()->lineEdit());
        return nullptr;
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface* hijo) const override
    {
        if (hijo->object() == lista()->view())
            return 0;
        if (hijo->object() == lista()->lineEdit())
            return 1;
        return -1;
    }

    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override
    {
        const QLineEdit* entrada = lista()->lineEdit();
        return QRect(entrada->mapToGlobal(QPoint()), entrada->size()).contains(x, y) ? child(1) : nullptr;
    }

    [[nodiscard]] QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& accion) override
    {
        if (accion == showMenuAction())
            lista()->showPopup();
        else
            QAccessibleWidget::doAction(accion);
    }

private:
    [[nodiscard]] QComboBox* lista() const { return qobject_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* fabrica(const QString& clase, QObject* objeto)
{
    auto* control = qobject_cast<QWidget*>(objeto);
    if (!control)
        return nullptr;
    if (clase == QLatin1String(VentanaCalculadora::staticMetaObject.className()))
        return new QAccessibleWidget(control, QAccessible::Window); // named by its title
    if (clase == QLatin1String(QSvgWidget::staticMetaObject.className()))
        return new QAccessibleWidget(control, QAccessible::Graphic);
    if (clase == QLatin1String(Decoracion::staticMetaObject.className()))
        return new TrazoAccesible(control);
    if (clase == QLatin1String(ListaDeUnidades::staticMetaObject.className()))
        return new ListaAccesible(control);
    return nullptr;
}

} // namespace

void instalar_accesibilidad() { QAccessible::installFactory(fabrica); }

} // namespace ventana
