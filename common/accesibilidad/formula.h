#pragma once

#include <QList>
#include <QWidget>

class QLabel;

namespace accesibilidad {

// A formula drawn in pieces (a numerator, a bar, a denominator, an exponent)
// that screen readers read as one spoken phrase: this transparent widget lies
// over the pieces with the phrase as its name, and the labels it covers are
// hidden from screen readers. The labels keep their names, texts and looks.
class Formula : public QWidget {
    Q_OBJECT

public:
    // The pieces are labels of the frame.
    Formula(QWidget* marco, const QString& frase, const QList<QLabel*>& piezas);

    // Whether the label is one of a formula's pieces.
    [[nodiscard]] static bool es_pieza(const QObject* etiqueta);

private:
    QList<const QLabel*> piezas_;
};

} // namespace accesibilidad
