#pragma once

// How the calculator windows run their event handlers: each behind one
// guard that stops it at a failing step and tells the user why, the modal
// message box that does the telling, and unloading a window.

#include <QObject>
#include <QSlider>
#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace servicios {

inline const QString titulo_de_aviso = QStringLiteral("Atencion");

// Modal message box over the window: the text, one OK button and the
// information icon. Returns when the user has closed it.
void avisar(QWidget* ventana, const QString& texto, const QString& titulo = titulo_de_aviso);

// Closes the window (unloads it); the program ends when its last window
// closes.
void descargar(QWidget* ventana);

// Tells the user why a handler stopped: the cause of a numeric failure in
// its own words, or an internal error for anything else. The window stays
// as the handler left it and goes on taking events.
void avisar_fallo(QWidget* ventana, const std::exception& fallo);

// Runs one event handler. A failure stops it at the failing step: what it
// wrote before stays, nothing after is written, and the user is told.
template <typename Manejador>
void con_guardia(QWidget* ventana, Manejador&& manejador)
{
    try {
        std::forward<Manejador>(manejador)();
    } catch (const std::exception& fallo) {
        avisar_fallo(ventana, fallo);
    }
}

// Runs the window's handler behind the guard whenever the signal comes; the
// handler takes the signal's first arguments, or none.
template <typename Emisor, typename Senal, typename Ventana, typename... Argumentos>
void conectar(Emisor* emisor, Senal senal, Ventana* ventana, void (Ventana::*manejador)(Argumentos...))
{
    QObject::connect(emisor, senal, ventana, [ventana, manejador](Argumentos... argumentos) {
        con_guardia(ventana, [&] { (ventana->*manejador)(argumentos...); });
    });
}

// Runs the handler, behind the guard, whenever the slider's value changes,
// while the thumb is dragged as well as when it is let go, by keys or by a
// click on the track.
template <typename Ventana>
void al_mover(QSlider* deslizador, Ventana* ventana, void (Ventana::*manejador)())
{
    deslizador->setTracking(true);
    conectar(deslizador, &QSlider::valueChanged, ventana, manejador);
}

} // namespace servicios
