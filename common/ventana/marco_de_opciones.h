#pragma once

#include "medidas.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

namespace calculadora {

// The frame Frame2 of a window's option buttons, a control array: its
// caption dark green, and the options, 9.75 bold in black on white, one
// under the other, named "NOMBRE(i)" and numbered i in their group; the
// first is selected. It says which option the user chose. The arrow keys
// move through the options, Left and Right as Up and Down.
class MarcoDeOpciones : public QGroupBox {
    Q_OBJECT

public:
    struct Diseno {
        QString titulo;
        Lugar marco;
        double puntos_del_titulo = 0;
        QString nombre; // of the control array
        QStringList opciones;
        Lugar primera;      // of the first option; the others follow below it
        int separacion = 0; // from one option's top to the next, in twips
    };

    MarcoDeOpciones(QWidget* padre, const Diseno& diseno);

    [[nodiscard]] QRadioButton* opcion(int indice) const { return botones_.at(indice); }

signals:
    // The user chose the option of that index (the array's Click).
    void elegida(int indice);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QList<QRadioButton*> botones_;
};

} // namespace calculadora
