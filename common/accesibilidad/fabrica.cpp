#include "accesibilidad.h"

#include "caja_accesible.h"
#include "deslizador_accesible.h"
#include "formula.h"
#include "lista_accesible.h"
#include "notificacion.h"
#include "ruido.h"

#include "ventana/decoracion.h"
#include "ventana/deslizador.h"
#include "ventana/dibujo.h"
#include "ventana/lista_de_unidades.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace accesibilidad {
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

template <typename Clase>
bool es(const QString& clase)
{
    return clase == QLatin1String(Clase::staticMetaObject.className());
}

// Asked for each class of the widget, from its own up to QWidget.
QAccessibleInterface* fabrica(const QString& clase, QObject* objeto)
{
    auto* control = qobject_cast<QWidget*>(objeto);
    if (!control)
        return nullptr;
    if (es<calculadora::Dibujo>(clase))
        return new QAccessibleWidget(control, QAccessible::Graphic);
    if (es<calculadora::Decoracion>(clase))
        return new TrazoAccesible(control);
    if (es<calculadora::ListaDeUnidades>(clase))
        return new ListaAccesible(control);
    if (es<QLineEdit>(clase))
        return new CajaAccesible(control);
    if (es<calculadora::Deslizador>(clase))
        return new DeslizadorAccesible(control);
    if (es<Notificacion>(clase))
        return new QAccessibleWidget(control, QAccessible::Notification); // read out as it shows
    if (es<Formula>(clase))
        return new QAccessibleWidget(control, QAccessible::StaticText); // named by its phrase
    if (es<PiezaDeFormula>(clase))
        return new PiezaAccesible(control);
    // A program's own window, not a dialog or a popup (Qt has its own for
    // those), is a frame named by its title.
    if (es<QWidget>(clase) && control->isWindow() && control->windowType() == Qt::Window)
        return new QAccessibleWidget(control, QAccessible::Window);
    return nullptr;
}

} // namespace

void instalar_accesibilidad()
{
    QAccessible::installFactory(fabrica);
    filtrar_el_ruido();
}

} // namespace accesibilidad
