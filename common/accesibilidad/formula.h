#pragma once

#include <QLabel>
#include <QList>
#include <QWidget>

#include <initializer_list>

namespace calculadora {
struct Etiqueta;
}

namespace accesibilidad {

// A label a formula is drawn with (a numerator, a bar's neighbour, an
// exponent): screen readers skip it and read the Formula laid over it. Made
// a piece as it is built, so that no screen reader ever knows it otherwise.
class PiezaDeFormula : public QLabel {
    Q_OBJECT

public:
    explicit PiezaDeFormula(QWidget* marco);
};

// The pieces of a formula, labels of the frame as the design table gives
// them, in its order.
QList<QLabel*> crear_piezas(QWidget* marco, std::initializer_list<calculadora::Etiqueta> piezas);

// A formula drawn in pieces that screen readers read as one spoken phrase:
// this transparent widget lies over the pieces with the phrase as its name.
// The pieces keep their names, texts and looks.
class Formula : public QWidget {
    Q_OBJECT

public:
    Formula(QWidget* marco, const QString& frase, const QList<QLabel*>& piezas);
};

} // namespace accesibilidad
