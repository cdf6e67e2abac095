#include "icono_svg.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace ventana {

namespace {

class MotorSvg : public QIconEngine {
public:
    explicit MotorSvg(QString recurso)
        : recurso_(std::move(recurso))
    {}

    [[nodiscard]] QIconEngine* clone() const override { return new MotorSvg(recurso_); }

    // Qt asks for the size in device pixels, the screen's scale included.
    QPixmap pixmap(const QSize& tamano, QIcon::Mode modo, QIcon::State /*estado*/) override
    {
        QPixmap pixmap(tamano);
        pixmap.fill(Qt::transparent);
        QPainter pintor(&pixmap);
        QSvgRenderer(recurso_).render(&pintor);
        pintor.end();
        if (modo == QIcon::Normal || !qApp)
            return pixmap;
        QStyleOption opcion;
        opcion.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(modo, pixmap, &opcion);
    }

    void paint(QPainter* pintor, const QRect& lugar, QIcon::Mode modo, QIcon::State estado) override
    {
        const qreal escala = pintor->device() ? pintor->device()->devicePixelRatioF() : 1.0;
        QPixmap dibujo = pixmap(lugar.size() * escala, modo, estado);
        dibujo.setDevicePixelRatio(escala);
        pintor->drawPixmap(lugar, dibujo);
    }

    bool isNull() override { return !QSvgRenderer(recurso_).isValid(); }

private:
    QString recurso_;
};

} // namespace

QIcon icono_svg(const QString& recurso) { return QIcon(new MotorSvg(recurso)); }

} // namespace ventana
