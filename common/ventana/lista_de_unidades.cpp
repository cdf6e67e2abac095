#include "lista_de_unidades.h"

#include "servicios/texto.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace calculadora {

ListaDeUnidades::ListaDeUnidades(QWidget* padre, std::span<const numerico::Unidad> unidades, numerico::Grafia grafia,
                                 const numerico::Unidad& al_abrir, QRect lugar, const QFont& fuente)
    : QComboBox(padre)
    , unidades_(unidades)
    , grafia_(grafia)
{
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    for (const numerico::Unidad& cada : unidades)
        addItem(servicios::a_qstring(cada.texto(grafia)));
    setFont(fuente);
    setGeometry(lugar); // before the unit is shown: its entry is fitted to both
    setCurrentIndex(findText(servicios::a_qstring(al_abrir.texto(grafia))));
    connect(this, &QComboBox::activated, this, &ListaDeUnidades::elegida);
    connect(lineEdit(), &QLineEdit::textEdited, this, &ListaDeUnidades::editada);
}

const numerico::Unidad* ListaDeUnidades::unidad() const
{
    return numerico::unidad_de_texto(currentText().toStdU16String(), unidades_, grafia_);
}

// The open list's own handling is set up as it opens; this filter, set up
// again after it, sees the keys first.
void ListaDeUnidades::showPopup()
{
    QComboBox::showPopup();
    view()->removeEventFilter(this);
    view()->installEventFilter(this);
}

bool ListaDeUnidades::eventFilter(QObject* objeto, QEvent* evento)
{
    // Qt takes Enter in the open list as its shortcut is looked for.
    const bool tecla_en_la_lista = objeto == view() && view()->isVisible() &&
                                   (evento->type() == QEvent::ShortcutOverride || evento->type() == QEvent::KeyPress);
    if (!tecla_en_la_lista)
        return QComboBox::eventFilter(objeto, evento);
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    const QModelIndex elegido = view()->currentIndex();
    if ((tecla != Qt::Key_Return && tecla != Qt::Key_Enter) || !elegido.isValid())
        return QComboBox::eventFilter(objeto, evento);
    setCurrentIndex(elegido.row());
    hidePopup();
    emit activated(elegido.row());
    emit textActivated(itemText(elegido.row()));
    evento->accept();
    return true;
}

void ListaDeUnidades::nombrar(const QString& nombre)
{
    setAccessibleName(nombre);
    lineEdit()->setAccessibleName(nombre);
}

} // namespace calculadora
