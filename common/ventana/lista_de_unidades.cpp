#include "lista_de_unidades.h"

#include "plataforma/texto.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace calculadora {

ListaDeUnidades::ListaDeUnidades(QWidget* padre, std::span<const numerico::Unidad> unidades, double factor_al_abrir,
                                 QRect lugar, const QFont& fuente)
    : QComboBox(padre)
    , unidades_(unidades)
    , factor_(factor_al_abrir)
{
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    for (const numerico::Unidad& unidad : unidades)
        addItem(plataforma::a_qstring(unidad.texto));
    setFont(fuente);
    setGeometry(lugar); // before the unit is shown: its entry is fitted to both
    if (const numerico::Unidad* al_abrir = numerico::unidad_de_factor(factor_al_abrir, unidades))
        setCurrentIndex(findText(plataforma::a_qstring(al_abrir->texto)));
    // The rule is applied before the window hears of the change.
    connect(this, &QComboBox::activated, this, [this] {
        aplicar_la_regla();
        emit elegida(factor_);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        aplicar_la_regla();
        emit editada(factor_);
    });
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
    // The event's type tells its class.
    const int tecla = static_cast<QKeyEvent*>(evento)->key(); // NOLINT(cppcoreguidelines-pro-type-static-cast-downcast)
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

void ListaDeUnidades::aplicar_la_regla()
{
    factor_ = numerico::factor_de_unidad(currentText().toStdU16String(), unidades_, factor_);
}

} // namespace calculadora
