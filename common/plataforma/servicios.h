#pragma once

// What the calculator windows need from Qt, and nothing more: the user's
// numeric separators, one notification per slider movement, the modal
// message box, unloading a window, and the guard every event handler runs
// behind.

#include "numerico/separadores.h"

#include <QObject>
#include <QSlider>
#include <QString>

#include <exception>
#include <string_view>
#include <utility>

class QWidget;

namespace plataforma {

inline const QString titulo_de_aviso = QStringLiteral("Atencion");

inline QString a_qstring(std::u16string_view texto)
{
    return QString::fromUtf16(texto.data(), static_cast<qsizetype>(texto.size()));
}

// Decimal and grouping separators of QLocale::system(), read at each call.
numerico::Separadores separadores_del_sistema();

// Modal message box over the window: the text, one OK button and the
// information icon. Returns when the user has closed it.
void avisar(QWidget* ventana, const QString& texto, const QString& titulo = titulo_de_aviso);

// Destroys the window; the program ends with its last window.
void descargar(QWidget* ventana);

// Tells the user why a handler stopped; the window stays as the handler
// left it and goes on taking events.
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

} // namespace plataforma
