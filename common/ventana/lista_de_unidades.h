#pragma once

#include <QComboBox>

namespace ventana {

// An editable unit list showing its first item. Typing neither completes nor
// adds items: what the user types is exactly the list's text. Screen readers
// announce it, and its text entry, by the name it is given, not by the unit
// it shows.
class ListaDeUnidades : public QComboBox {
    Q_OBJECT

public:
    ListaDeUnidades(QWidget* padre, const QStringList& unidades);

    void nombrar(const QString& nombre);
};

} // namespace ventana
