#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

namespace ventana {

// An invisible notification without a size that screen readers without
// announcement events read out each time it shows: a window's results go
// through it on Qt before 6.8.
class Aviso : public QWidget {
    Q_OBJECT

public:
    explicit Aviso(QWidget* ventana);
};

// Tells a screen reader a new result without moving the focus: the user at
// the slider or at "Calcular" hears it where they are. A result that comes
// while a key or a mouse button is held is told when it is let go, so a key
// held down (its repeats) or a dragged thumb ends with the last result only;
// each plain press is told on its release.
class Anunciador : public QObject {
    Q_OBJECT

public:
    explicit Anunciador(QWidget* ventana);

    void anunciar(const QString& texto);

signals:
    // A result as it is told.
    void dicho(const QString& texto);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void decir(const QString& texto);

    // The window the announcement comes from, or the Aviso that tells it.
    QWidget* destino_;
    QString pendiente_;
    bool tecla_abajo_ = false;
};

} // namespace ventana
