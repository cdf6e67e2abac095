// Build-time tool: renders an SVG picture to a PNG at a scale of its own size
// (100 = the size its file gives, in pixels).
//   renderizar_imagen PICTURE.svg PERCENT OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <iostream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication aplicacion(argc, argv);
    const QStringList argumentos = QCoreApplication::arguments();
    if (argumentos.size() != 4) {
        std::cerr << "uso: renderizar_imagen IMAGEN.svg PORCENTAJE SALIDA.png\n";
        return 2;
    }
    QSvgRenderer svg(argumentos[1]);
    const int porcentaje = argumentos[2].toInt();
    if (!svg.isValid() || porcentaje <= 0) {
        std::cerr << "no se puede dibujar " << argumentos[1].toStdString() << " al " << porcentaje << " %\n";
        return 1;
    }
    const QSize tamano(static_cast<int>(std::lround(svg.defaultSize().width() * porcentaje / 100.0)),
                       static_cast<int>(std::lround(svg.defaultSize().height() * porcentaje / 100.0)));
    QImage imagen(tamano, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    svg.render(&pintor);
    pintor.end();
    return imagen.save(argumentos[3]) ? 0 : 1;
}
