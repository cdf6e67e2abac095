#include "texto_de_revision.h"

#include <utility>

namespace accesibilidad {

TextoDeRevision::TextoDeRevision(std::function<QString()> texto, std::function<QRect()> lugar)
    : texto_(std::move(texto))
    , lugar_(std::move(lugar))
{}

void TextoDeRevision::selection(int /*indice*/, int* inicio, int* fin) const { *inicio = *fin = 0; }

QString TextoDeRevision::text(int inicio, int fin) const { return texto_().mid(inicio, fin - inicio); }

int TextoDeRevision::characterCount() const { return static_cast<int>(texto_().size()); }

QRect TextoDeRevision::characterRect(int posicion) const
{
    if (posicion < 0 || posicion >= characterCount())
        return {};
    return lugar_();
}

// One run over the whole text (see CajaAccesible).
QString TextoDeRevision::attributes(int /*posicion*/, int* inicio, int* fin) const
{
    *inicio = 0;
    *fin = characterCount();
    return {};
}

} // namespace accesibilidad
