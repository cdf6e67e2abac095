#include "servicios/manejadores.h"

#include "numerico/aritmetica.h"
#include "numerico/lectura.h"
#include "soporte/prueba_gui.h"

#include <QLabel>
#include <QSet>

namespace {

// A failing handler stops at the failing step and says why, each cause in
// words of its own (an unforeseen one too); the window goes on taking events.
TEST(Plataforma, LaGuardiaDetieneElManejadorYAvisa)
{
    QWidget ventana;
    QLabel escrito(&ventana);
    const struct {
        const char* nombre;
        std::function<double()> paso;
    } pasos[] = {{"division_por_cero", [] { return numerico::dividir(1, 0); }},
                 {"operacion_invalida", [] { return numerico::dividir(0, 0); }},
                 {"desbordamiento", [] { return numerico::multiplicar(1e300, 1e300); }},
                 {"conversion", [] { return numerico::texto_a_numero(u"abc", numerico::separadores_punto); }},
                 {"imprevisto", [] { return std::stod("x"); }}};
    QSet<QString> textos;
    for (const auto& [nombre, paso] : pasos) {
        const auto avisos = prueba::avisos_durante([&] {
            servicios::con_guardia(&ventana, [&] {
                escrito.setText(QStringLiteral("antes del fallo"));
                escrito.setText(QString::number(paso()));
            });
        });
        ASSERT_EQ(avisos.size(), 1U) << nombre;
        EXPECT_EQ(avisos[0].titulo, QStringLiteral("Atencion")) << nombre;
        EXPECT_FALSE(avisos[0].texto.isEmpty()) << nombre;
        EXPECT_EQ(avisos[0].icono, QMessageBox::Information) << nombre;
        EXPECT_EQ(avisos[0].botones, QMessageBox::Ok) << nombre;
        EXPECT_EQ(escrito.text(), QStringLiteral("antes del fallo")) << nombre;
        textos.insert(avisos[0].texto);
    }
    EXPECT_EQ(textos.size(), std::size(pasos)) << "each cause has its own message";
    servicios::con_guardia(&ventana, [&] { escrito.setText(QStringLiteral("luego")); });
    EXPECT_EQ(escrito.text(), QStringLiteral("luego"));
}

} // namespace
