#include "texto_del_valor.h"

namespace accesibilidad {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

const bool con_texto_de_valor = true;

class TextoDelValor::Atributos : public QAccessibleAttributesInterface {
public:
    explicit Atributos(const std::function<QString()>& texto)
        : texto_(texto)
    {}

    [[nodiscard]] QList<QAccessible::Attribute> attributeKeys() const override
    {
        return {QAccessible::Attribute::Custom};
    }

    [[nodiscard]] QVariant attributeValue(QAccessible::Attribute clave) const override
    {
        if (clave != QAccessible::Attribute::Custom)
            return {};
        return QVariant::fromValue(QHash<QString, QString>{{QStringLiteral("valuetext"), texto_()}});
    }

private:
    std::function<QString()> texto_;
};

TextoDelValor::TextoDelValor(const std::function<QString()>& texto)
    : atributos_(std::make_unique<Atributos>(texto))
{}

void* TextoDelValor::interfaz(QAccessible::InterfaceType tipo)
{
    return tipo == QAccessible::AttributesInterface ? static_cast<QAccessibleAttributesInterface*>(atributos_.get())
                                                    : nullptr;
}

QString texto_del_valor_de(QAccessibleInterface* interfaz)
{
    auto* atributos =
        static_cast<QAccessibleAttributesInterface*>(interfaz->interface_cast(QAccessible::AttributesInterface));
    if (!atributos)
        return {};
    const auto propios = atributos->attributeValue(QAccessible::Attribute::Custom).value<QHash<QString, QString>>();
    return propios.value(QStringLiteral("valuetext"));
}

#else

const bool con_texto_de_valor = false;

class TextoDelValor::Atributos {};

TextoDelValor::TextoDelValor(const std::function<QString()>& /*texto*/) {}

void* TextoDelValor::interfaz(QAccessible::InterfaceType /*tipo*/) { return nullptr; }

QString texto_del_valor_de(QAccessibleInterface* /*interfaz*/) { return {}; }

#endif

TextoDelValor::~TextoDelValor() = default;

} // namespace accesibilidad
