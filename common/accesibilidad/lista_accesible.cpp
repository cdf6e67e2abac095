#include "lista_accesible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace accesibilidad {

ListaAccesible::ListaAccesible(QWidget* lista)
    : QAccessibleWidget(lista, QAccessible::ComboBox)
    , revision_([this] { return this->lista()->currentText(); }, [this] { return rect(); })
    , texto_del_valor_([this] { return this->lista()->currentText(); })
{}

void* ListaAccesible::interface_cast(QAccessible::InterfaceType tipo)
{
    if (tipo == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(&revision_);
    if (void* propia = texto_del_valor_.interfaz(tipo))
        return propia;
    return QAccessibleWidget::interface_cast(tipo);
}

QComboBox* ListaAccesible::lista() const { return qobject_cast<QComboBox*>(widget()); }

QString ListaAccesible::text(QAccessible::Text texto) const
{
    if (texto == QAccessible::Value)
        return lista()->currentText();
    return QAccessibleWidget::text(texto);
}

QAccessible::State ListaAccesible::state() const
{
    QAccessible::State estado = QAccessibleWidget::state();
    estado.editable = true;
    estado.expandable = true;
    estado.expanded = lista()->view()->isVisible();
    return estado;
}

// The popup list and the entry, while the list is shown: a hidden list (the
// frequency's in velorna) has its list's current item "focused" in Qt's
// terms, and a screen reader that looks for the focus as it starts would
// take it for the user's.
int ListaAccesible::childCount() const { return lista()->isVisible() ? 2 : 0; }

QAccessibleInterface* ListaAccesible::child(int indice) const
{
    if (!lista()->isVisible())
        return nullptr;
    if (indice == 0)
        return QAccessible::queryAccessibleInterface(lista()->view());
    if (indice == 1)
        return QAccessible::queryAccessibleInterface(lista()->lineEdit());
    return nullptr;
}

int ListaAccesible::indexOfChild(const QAccessibleInterface* hijo) const
{
    if (!lista()->isVisible())
        return -1;
    if (hijo->object() == lista()->view())
        return 0;
    if (hijo->object() == lista()->lineEdit())
        return 1;
    return -1;
}

QAccessibleInterface* ListaAccesible::childAt(int x, int y) const
{
    const QLineEdit* entrada = lista()->lineEdit();
    return QRect(entrada->mapToGlobal(QPoint()), entrada->size()).contains(x, y) ? child(1) : nullptr;
}

QStringList ListaAccesible::actionNames() const
{
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void ListaAccesible::doAction(const QString& accion)
{
    if (accion == showMenuAction())
        lista()->showPopup();
    else
        QAccessibleWidget::doAction(accion);
}

} // namespace accesibilidad
