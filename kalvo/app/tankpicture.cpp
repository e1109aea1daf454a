#include "kalvo/app/tankpicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The drawing is made on a 300 x 220 canvas.
constexpr double kWidth = 300;
constexpr double kHeight = 220;

void drawSensor(QPainter &painter, QPointF at, const QColor &colour, const QString &label) {
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.drawLine(at, at + QPointF(0, -40));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    painter.drawEllipse(at, 7, 7);
    painter.drawText(QRectF(at.x() - 30, at.y() - 60, 60, 16), Qt::AlignCenter, label);
}

} // namespace

TankPicture::TankPicture(QWidget *parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Tank with its red and black sensors"));
    setMinimumSize(120, 90);
}

void TankPicture::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(width() / kWidth, height() / kHeight);
    painter.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    painter.scale(scale, scale);

    // Ground and the pit.
    painter.fillRect(QRectF(0, 60, kWidth, kHeight - 60), QColor(196, 164, 120));
    painter.fillRect(QRectF(0, 56, kWidth, 6), QColor(110, 150, 80));
    // The tank, half full of fuel.
    QPainterPath tank;
    tank.addRoundedRect(QRectF(40, 110, 220, 80), 40, 40);
    painter.setPen(QPen(QColor(60, 60, 70), 3));
    painter.setBrush(QColor(200, 205, 215));
    painter.drawPath(tank);
    painter.save();
    painter.setClipPath(tank);
    painter.fillRect(QRectF(40, 150, 220, 40), QColor(230, 190, 60));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tank);
    // Manhole and filling pipe.
    painter.setBrush(QColor(120, 120, 130));
    painter.drawRect(QRectF(130, 80, 40, 32));
    painter.drawRect(QRectF(215, 40, 12, 72));
    // The two sensors on the tank's shell, and the sound they listen to.
    drawSensor(painter, QPointF(85, 112), Qt::red, QStringLiteral("R"));
    drawSensor(painter, QPointF(190, 112), Qt::black, QStringLiteral("B"));
    painter.setPen(QPen(QColor(40, 90, 200), 2));
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 3; ++ring)
        painter.drawArc(QRectF(150 - 12.0 * ring, 165 - 8.0 * ring, 24.0 * ring, 16.0 * ring),
                        30 * 16, 120 * 16);
}
