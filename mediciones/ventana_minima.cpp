// The floors for start-up time and memory, built by the same build: a bare
// Qt 6 Widgets window of the same size that does nothing else, and (with the
// argument "texto") the same window showing one label, which is what loading
// the fonts costs any window with text.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication aplicacion(argc, argv);
    QWidget ventana;
    ventana.setWindowTitle(QStringLiteral("Ventana minima"));
    ventana.setFixedSize(754, 574);
    if (argc > 1 && QByteArray(argv[1]) == "texto")
        new QLabel(QStringLiteral("15,915 KHz"), &ventana);
    ventana.show();
    return QApplication::exec();
}
