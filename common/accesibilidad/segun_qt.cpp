#include "segun_qt.h"

#include "notificacion.h"

#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace accesibilidad {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

const bool con_texto_de_valor = true;

Voz::Voz(QWidget* ventana)
    : destino_(ventana)
{}

void Voz::decir(const QString& texto)
{
    QAccessibleAnnouncementEvent anuncio(destino_, texto);
    QAccessible::updateAccessibility(&anuncio);
}

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

Voz::Voz(QWidget* ventana)
    : destino_(new Notificacion(ventana))
{}

// A notification that shows is read out by screen readers that know no
// announcements. Shown once and left shown (a screen reader drops a show
// that a hide follows before it gets to it), it is told as shown again with
// each text, the same text too. Not hidden and shown again: Qt then asks
// the display where the pointer is, a round trip to an X server on every
// result.
void Voz::decir(const QString& texto)
{
    destino_->setAccessibleName(texto);
    if (!destino_->isVisible()) {
        destino_->show();
        return;
    }
    QAccessibleEvent mostrada(destino_, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&mostrada);
}

class TextoDelValor::Atributos {};

TextoDelValor::TextoDelValor(const std::function<QString()>& /*texto*/) {}

void* TextoDelValor::interfaz(QAccessible::InterfaceType /*tipo*/) { return nullptr; }

QString texto_del_valor_de(QAccessibleInterface* /*interfaz*/) { return {}; }

#endif

TextoDelValor::~TextoDelValor() = default;

// Decided by the Qt the program runs with, which may be newer than the one
// it was built with. Qt's own switch, read when its bridge starts.
void abrir_el_puente_al_lector_que_llegue()
{
    if (QLibraryInfo::version() < QVersionNumber(6, 8) &&
        !qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
}

} // namespace accesibilidad
