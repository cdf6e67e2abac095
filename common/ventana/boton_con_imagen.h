#pragma once

#include <QToolButton>

namespace calculadora {

// A command button with its picture above its caption, 8.25 bold, in the
// platform's colours; Space, Enter and Return press it like a click.
class BotonConImagen : public QToolButton {
public:
    BotonConImagen(QWidget* padre, const QString& nombre, const QString& texto, const QString& recurso, QRect lugar);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

} // namespace calculadora
