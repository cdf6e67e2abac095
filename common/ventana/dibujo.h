#pragma once

#include <QIcon>
#include <QWidget>

namespace calculadora {

// A picture of a window: it fills its place, drawn at the screen's scale
// each time it is painted (so a window moved to a screen of another scale
// stays sharp).
class Dibujo : public QWidget {
    Q_OBJECT

public:
    Dibujo(QWidget* padre, const QString& recurso);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QIcon icono_;
};

} // namespace calculadora
