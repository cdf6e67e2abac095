// Build-time tool: renders an SVG picture to a square PNG of the given size.
//   renderizar_icono PICTURE.svg SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "uso: renderizar_icono IMAGEN.svg TAMANO SALIDA.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int lado = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || lado <= 0) {
        std::fprintf(stderr, "no se puede dibujar %s a %s pixeles\n", argv[1], argv[2]);
        return 1;
    }
    QImage imagen(lado, lado, QImage::Format_ARGB32);
    imagen.fill(Qt::transparent);
    QPainter pintor(&imagen);
    svg.render(&pintor);
    pintor.end();
    return imagen.save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
}
