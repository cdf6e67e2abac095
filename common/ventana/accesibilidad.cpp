#include "accesibilidad.h"

#include "anunciador.h"
#include "caja_accesible.h"
#include "caja_de_lectura.h"
#include "decoracion.h"
#include "deslizador.h"
#include "formula.h"
#include "lista_de_unidades.h"
#include "ventana_calculadora.h"

#include "numerico/escritura.h"
#include "plataforma/texto.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLabel>
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

// A slider heard as the quantity it stands for, in the unit its name gives:
// 1.1 for 1.1 kΩ, 0.02 for 0.02 uF, with the read-out's step. Screen readers
// that take a value's text (Qt 6.8 can give it) hear it as the read-out
// writes it; the others write the number themselves.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
using InterfazDeAtributos = QAccessibleAttributesInterface;
#else
class InterfazDeAtributos {}; // no attribute reaches screen readers before Qt 6.8
#endif

class DeslizadorAccesible : public QAccessibleWidget, public QAccessibleValueInterface, public InterfazDeAtributos {
public:
    explicit DeslizadorAccesible(QWidget* deslizador)
        : QAccessibleWidget(deslizador, QAccessible::Slider)
    {}

    void* interface_cast(QAccessible::InterfaceType tipo) override
    {
        if (tipo == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (tipo == QAccessible::AttributesInterface)
            return static_cast<QAccessibleAttributesInterface*>(this);
#endif
        return QAccessibleWidget::interface_cast(tipo);
    }

    [[nodiscard]] QString text(QAccessible::Text texto) const override
    {
        if (texto == QAccessible::Value)
            return plataforma::a_qstring(
                numerico::numero_a_texto(currentValue().toDouble(), plataforma::separadores_del_sistema()));
        return QAccessibleWidget::text(texto);
    }

    [[nodiscard]] QVariant currentValue() const override { return d()->en_unidades(d()->value()); }
    void setCurrentValue(const QVariant& valor) override { d()->setValue(d()->posicion_de(valor.toDouble())); }
    [[nodiscard]] QVariant maximumValue() const override { return d()->en_unidades(d()->maximum()); }
    [[nodiscard]] QVariant minimumValue() const override { return d()->en_unidades(d()->minimum()); }
    [[nodiscard]] QVariant minimumStepSize() const override { return d()->en_unidades(d()->singleStep()); }

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    [[nodiscard]] QList<QAccessible::Attribute> attributeKeys() const override
    {
        return {QAccessible::Attribute::Custom};
    }

    [[nodiscard]] QVariant attributeValue(QAccessible::Attribute clave) const override
    {
        if (clave != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(QHash<QString, QString>{{ QStringLiteral("valuetext"), text(QAccessible::Value) }});
    }
#endif

private:
    [[nodiscard]] Deslizador* d() const { return qobject_cast<Deslizador*>(widget()); }
};

// A piece of a formula: the Formula over it is read instead.
class PiezaAccesible : public QAccessibleWidget {
public:
    explicit PiezaAccesible(QWidget* etiqueta)
        : QAccessibleWidget(etiqueta, QAccessible::StaticText)
    {}

    [[nodiscard]] QString text(QAccessible::Text texto) const override
    {
        if (texto == QAccessible::Name)
            return qobject_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(texto);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.invisible = true;
        return estado;
    }
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
    if (clase == QLatin1String(CajaDeLectura::staticMetaObject.className()))
        return new CajaAccesible(control);
    if (clase == QLatin1String(Deslizador::staticMetaObject.className()))
        return new DeslizadorAccesible(control);
    if (clase == QLatin1String(Aviso::staticMetaObject.className()))
        return new QAccessibleWidget(control, QAccessible::Notification); // read out as it shows
    if (clase == QLatin1String(Formula::staticMetaObject.className()))
        return new QAccessibleWidget(control, QAccessible::StaticText); // named by its phrase
    if (clase == QLatin1String(QLabel::staticMetaObject.className()) && Formula::es_pieza(control))
        return new PiezaAccesible(control);
    return nullptr;
}

} // namespace

void instalar_accesibilidad() { QAccessible::installFactory(fabrica); }

} // namespace ventana
