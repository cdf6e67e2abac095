#pragma once

#include <QFont>
#include <QLineEdit>

namespace calculadora {

// A locked box that the program writes and the user can select and copy
// from, never edit: a read-out or a result, in red bold on white. It always
// shows its whole text: a text too wide for the box at the design's size is
// shown in a font just small enough, and the next text that fits is shown at
// the design's size again. Reached with Tab it does not select its text, so
// a screen reader reads it once, whole.
class CajaDeLectura : public QLineEdit {
    Q_OBJECT

public:
    CajaDeLectura(QWidget* padre, const QString& nombre, QRect lugar, double puntos);

protected:
    void resizeEvent(QResizeEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;

private:
    void ajustar_fuente();
    [[nodiscard]] bool cabe_con(const QFont& fuente) const;

    QFont fuente_de_diseno_;
};

} // namespace calculadora
