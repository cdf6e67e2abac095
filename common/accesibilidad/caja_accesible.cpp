#include "caja_accesible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace accesibilidad {

CajaAccesible::CajaAccesible(QWidget* caja)
    : QAccessibleWidget(caja, QAccessible::EditableText)
{}

QLineEdit* CajaAccesible::caja() const { return qobject_cast<QLineEdit*>(widget()); }

void* CajaAccesible::interface_cast(QAccessible::InterfaceType tipo)
{
    if (tipo == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (tipo == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(tipo);
}

QAccessible::State CajaAccesible::state() const
{
    QAccessible::State estado = QAccessibleWidget::state();
    estado.readOnly = caja()->isReadOnly();
    estado.editable = !caja()->isReadOnly();
    estado.selectableText = true;
    return estado;
}

QString CajaAccesible::text(QAccessible::Text texto) const
{
    if (texto == QAccessible::Value)
        return caja()->text();
    return QAccessibleWidget::text(texto);
}

void CajaAccesible::selection(int indice, int* inicio, int* fin) const
{
    *inicio = *fin = 0;
    if (indice == 0 && caja()->hasSelectedText()) {
        *inicio = caja()->selectionStart();
        *fin = caja()->selectionEnd();
    }
}

int CajaAccesible::selectionCount() const { return caja()->hasSelectedText() ? 1 : 0; }

void CajaAccesible::addSelection(int inicio, int fin) { setSelection(0, inicio, fin); }

void CajaAccesible::removeSelection(int indice)
{
    if (indice == 0)
        caja()->deselect();
}

void CajaAccesible::setSelection(int indice, int inicio, int fin)
{
    if (indice == 0)
        caja()->setSelection(inicio, fin - inicio);
}

int CajaAccesible::cursorPosition() const { return caja()->cursorPosition(); }

void CajaAccesible::setCursorPosition(int posicion) { caja()->setCursorPosition(posicion); }

QString CajaAccesible::text(int inicio, int fin) const { return caja()->text().mid(inicio, fin - inicio); }

int CajaAccesible::characterCount() const { return static_cast<int>(caja()->text().size()); }

// On screen, from the left of the box's contents.
QRect CajaAccesible::characterRect(int posicion) const
{
    const QString texto = caja()->text();
    if (posicion < 0 || posicion >= texto.size())
        return {};
    const QFontMetrics medidas(caja()->font());
    const QRect contenido = caja()->contentsRect().marginsRemoved(caja()->textMargins());
    const int x = contenido.left() + medidas.horizontalAdvance(texto.left(posicion));
    const QRect caracter(x, contenido.center().y() - (medidas.height() / 2),
                         medidas.horizontalAdvance(texto.at(posicion)), medidas.height());
    return {caja()->mapToGlobal(caracter.topLeft()), caracter.size()};
}

int CajaAccesible::offsetAtPoint(const QPoint& punto) const
{
    return caja()->cursorPositionAt(caja()->mapFromGlobal(punto));
}

void CajaAccesible::scrollToSubstring(int /*inicio*/, int /*fin*/) {}

// No attributes of its own, over the whole text.
QString CajaAccesible::attributes(int /*posicion*/, int* inicio, int* fin) const
{
    *inicio = 0;
    *fin = characterCount();
    return {};
}

// Edits as the user's typing makes them; none in a read-only box.
void CajaAccesible::replaceText(int inicio, int fin, const QString& texto)
{
    if (caja()->isReadOnly())
        return;
    QString nuevo = caja()->text();
    nuevo.replace(inicio, fin - inicio, texto);
    caja()->setText(nuevo);
}

void CajaAccesible::deleteText(int inicio, int fin) { replaceText(inicio, fin, {}); }

void CajaAccesible::insertText(int posicion, const QString& texto) { replaceText(posicion, posicion, texto); }

void CajaAccesible::setText(QAccessible::Text texto, const QString& valor)
{
    if (texto == QAccessible::Value)
        replaceText(0, characterCount(), valor);
    else
        QAccessibleWidget::setText(texto, valor);
}

} // namespace accesibilidad
