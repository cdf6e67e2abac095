// Build-time tool: renders an SVG picture to a square PNG of the given size.
//   renderizar_icono PICTURE.svg SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <iostream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication aplicacion(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() != 4) {
        std::cerr << "uso: renderizar_icono IMAGEN.svg TAMANO SALIDA.png\n";
        return 2;
    }
    QSvgRenderer svg(argumentos[1]);
    const int lado = argumentos[2].toInt();
    if (!svg.isValid() || lado <= 0) {
        std::cerr << "no se puede dibujar " << argumentos[1].toStdString() << " a " << lado << " pixeles\n";
        return 1;
    }
    QImage imagen(lado, lado, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    svg.render(&pintor);
    pintor.end();
    return imagen.save(argumentos[3]) ? 0 : 1;
}
