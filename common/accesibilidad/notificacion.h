#pragma once

#include <QWidget>

namespace accesibilidad {

// An invisible notification without a size that screen readers without
// announcements read out each time it shows: where Qt sends no
// announcements, a window's results go through it.
class Notificacion : public QWidget {
    Q_OBJECT

public:
    explicit Notificacion(QWidget* ventana);
};

} // namespace accesibilidad
