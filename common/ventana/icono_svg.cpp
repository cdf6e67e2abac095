#include "icono.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace calculadora {

namespace {

// The picture is read once and shared by the icon's copies; what it draws is
// kept in the pixmap cache per size and state, so a repaint draws nothing anew.
class MotorSvg : public QIconEngine {
public:
    explicit MotorSvg(const QString& recurso)
        : recurso_(recurso)
        , dibujo_(std::make_shared<QSvgRenderer>(recurso))
    {}

    [[nodiscard]] QIconEngine* clone() const override { return new MotorSvg(*this); }

    // Qt asks for the size in device pixels, the screen's scale included.
    QPixmap pixmap(const QSize& tamano, QIcon::Mode modo, QIcon::State /*estado*/) override
    {
        const QString clave = QStringLiteral("calculadora::MotorSvg %1 %2x%3 %4")
                                  .arg(recurso_)
                                  .arg(tamano.width())
                                  .arg(tamano.height())
                                  .arg(modo);
        QPixmap pixmap;
        if (QPixmapCache::find(clave, &pixmap))
            return pixmap;
        pixmap = QPixmap(tamano);
        pixmap.fill(Qt::transparent);
        QPainter pintor(&pixmap);
        dibujo_->render(&pintor);
        pintor.end();
        if (modo != QIcon::Normal && qApp) {
            QStyleOption opcion;
            opcion.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(modo, pixmap, &opcion);
        }
        QPixmapCache::insert(clave, pixmap);
        return pixmap;
    }

    void paint(QPainter* pintor, const QRect& lugar, QIcon::Mode modo, QIcon::State estado) override
    {
        const qreal escala = pintor->device() ? pintor->device()->devicePixelRatioF() : 1.0;
        QPixmap dibujo = pixmap(lugar.size() * escala, modo, estado);
        dibujo.setDevicePixelRatio(escala);
        pintor->drawPixmap(lugar, dibujo);
    }

    bool isNull() override { return !dibujo_->isValid(); }

private:
    QString recurso_;
    std::shared_ptr<QSvgRenderer> dibujo_;
};

} // namespace

QIcon icono(const QString& recurso) { return QIcon(new MotorSvg(recurso)); }

} // namespace calculadora
