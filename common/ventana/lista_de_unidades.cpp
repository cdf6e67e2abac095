#include "lista_de_unidades.h"

#include <QLineEdit>

namespace ventana {

ListaDeUnidades::ListaDeUnidades(QWidget* padre, const QStringList& unidades)
    : QComboBox(padre)
{
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    addItems(unidades);
}

void ListaDeUnidades::nombrar(const QString& nombre)
{
    setAccessibleName(nombre);
    lineEdit()->setAccessibleName(nombre);
}

} // namespace ventana
