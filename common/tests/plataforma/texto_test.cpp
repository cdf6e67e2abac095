#include "plataforma/texto.h"
#include "soporte/prueba_gui.h"

namespace {

// Each GUI test runs in a "." and in a "," locale, given by LC_ALL.
TEST(Plataforma, SeparadoresSiguenAlLocaleDelUsuario)
{
    ASSERT_TRUE(qEnvironmentVariableIsSet("LC_ALL"));
    const bool coma = qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("es_ES"));
    EXPECT_EQ(plataforma::separadores_del_sistema().decimal, coma ? u',' : u'.');
    EXPECT_EQ(plataforma::separadores_del_sistema().grupo, coma ? u'.' : u',');
}

} // namespace
