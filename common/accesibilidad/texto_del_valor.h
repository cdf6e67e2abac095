#pragma once

// A slider's value as a text, which only Qt 6.8 carries to screen readers
// (an attribute they read instead of writing the number themselves); with
// voz.h the room's only place that knows the Qt version.

#include <QAccessible>
#include <QString>

#include <functional>
#include <memory>

namespace accesibilidad {

// Whether a slider can give its value as a text besides the number.
extern const bool con_texto_de_valor;

// The value text of an accessible slider, where Qt can carry it.
class TextoDelValor {
public:
    explicit TextoDelValor(const std::function<QString()>& texto);
    ~TextoDelValor();
    TextoDelValor(const TextoDelValor&) = delete;
    TextoDelValor& operator=(const TextoDelValor&) = delete;
    TextoDelValor(TextoDelValor&&) = delete;
    TextoDelValor& operator=(TextoDelValor&&) = delete;

    // The interface of that type it gives, or null: for the slider's
    // QAccessibleInterface::interface_cast.
    [[nodiscard]] void* interfaz(QAccessible::InterfaceType tipo);

private:
    class Atributos;
    std::unique_ptr<Atributos> atributos_;
};

// The value text's attributes as screen readers receive them: the text under
// "valuetext", or nothing where Qt carries no attributes.
[[nodiscard]] QString texto_del_valor_de(QAccessibleInterface* interfaz);

} // namespace accesibilidad
