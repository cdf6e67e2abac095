#include "lista_de_unidades.h"

#include "plataforma/texto.h"

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
