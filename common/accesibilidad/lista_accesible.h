#pragma once

#include "texto_de_revision.h"
#include "texto_del_valor.h"

#include <QAccessibleWidget>

class QComboBox;

namespace accesibilidad {

// An editable unit list as Qt presents any combo box (its popup list and its
// text entry as children, while it is shown; the entry's text as its value),
// but named by its accessible name: on Linux Qt (6.4 to 6.8 at least) names
// a combo box by the text it shows. In a line-by-line review it shows its
// unit, as on the screen.
class ListaAccesible : public QAccessibleWidget {
public:
    explicit ListaAccesible(QWidget* lista);

    void* interface_cast(QAccessible::InterfaceType tipo) override;
    [[nodiscard]] QString text(QAccessible::Text texto) const override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] int childCount() const override;
    [[nodiscard]] QAccessibleInterface* child(int indice) const override;
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* hijo) const override;
    [[nodiscard]] QAccessibleInterface* childAt(int x, int y) const override;
    [[nodiscard]] QStringList actionNames() const override;
    void doAction(const QString& accion) override;

private:
    [[nodiscard]] QComboBox* lista() const;

    TextoDeRevision revision_;
    TextoDelValor texto_del_valor_; // its unit, where Qt carries it
};

} // namespace accesibilidad
