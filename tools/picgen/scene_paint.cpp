#include "scene_paint.h"

#include <QPainterPath>
#include <QtMath>

namespace scene {

QFont cjkFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void paintRoad(QPainter &p, const QRectF &picture, const QRectF &road)
{
    p.fillRect(picture, kGrass);
    p.fillRect(road, kAsphalt);
}

void paintLine(QPainter &p, QPointF a, QPointF b, const QColor &color, double width, double dash, double gap)
{
    QPen pen(color, width, Qt::SolidLine, Qt::FlatCap);
    if (dash > 0)
        pen.setDashPattern({dash / width, gap / width});
    p.setPen(pen);
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

namespace {

// One arrow branch: a shaft from the base up to `bend`, then along `direction`, ending in a head.
QPainterPath arrowBranch(double length, QChar turn)
{
    const double shaft = length * 0.12, head = length * 0.28;
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (turn == u'S') {
        path.addRect(-shaft / 2, -length / 2 + head * 0.9, shaft, length - head * 0.9);
        QPolygonF tip({{-head * 0.5, -length / 2 + head}, {0, -length / 2}, {head * 0.5, -length / 2 + head}});
        path.addPolygon(tip);
        path.closeSubpath();
        return path;
    }
    if (turn == u'U') {
        // Up the shaft, a half circle to the left, down again with the head at the bottom.
        const double r = length * 0.18;
        QPainterPath u;
        u.moveTo(0, length / 2);
        u.lineTo(0, -length / 2 + r + shaft);
        u.arcTo(QRectF(-2 * r, -length / 2 + shaft, 2 * r, 2 * r), 0, 180);
        u.lineTo(-2 * r, -length / 2 + r + shaft + length * 0.25);
        QPainterPathStroker stroker;
        stroker.setWidth(shaft);
        stroker.setCapStyle(Qt::FlatCap);
        path.addPath(stroker.createStroke(u));
        const double y = -length / 2 + r + shaft + length * 0.25;
        path.addPolygon(QPolygonF({{-2 * r - head * 0.45, y}, {-2 * r, y + head * 0.8}, {-2 * r + head * 0.45, y}}));
        path.closeSubpath();
        return path;
    }
    // Left or right: the shaft rises, then bends sideways.
    const double side = turn == u'L' ? -1 : 1;
    const double bendY = -length * 0.12;
    path.addRect(-shaft / 2, bendY - shaft / 2, shaft, length / 2 - bendY + shaft / 2);
    const double reach = length * 0.30;
    QPainterPath bend;
    bend.moveTo(0, bendY);
    bend.lineTo(side * reach, bendY - length * 0.16);
    QPainterPathStroker stroker;
    stroker.setWidth(shaft);
    stroker.setCapStyle(Qt::RoundCap);
    path.addPath(stroker.createStroke(bend));
    const QPointF tip(side * (reach + head * 0.75), bendY - length * 0.16 - head * 0.2);
    const QLineF dir(QPointF(0, bendY), tip);
    const QLineF normal = dir.normalVector().unitVector();
    const QPointF n(normal.dx() * head * 0.5, normal.dy() * head * 0.5);
    const QPointF baseCentre = tip - QPointF(dir.unitVector().dx() * head * 0.8, dir.unitVector().dy() * head * 0.8);
    path.addPolygon(QPolygonF({baseCentre + n, tip, baseCentre - n}));
    path.closeSubpath();
    return path;
}

}

void paintLaneArrow(QPainter &p, QPointF at, double length, const QString &turns, const QColor &color)
{
    p.save();
    p.translate(at);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (QChar turn : turns)
        p.drawPath(arrowBranch(length, turn));
    p.restore();
}

void paintCar(QPainter &p, QPointF at, double angle, const QColor &body, double scale)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.scale(scale, scale);
    p.setPen(QPen(body.darker(160), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(-14, -26, 28, 52), 7, 7);
    p.setBrush(QColor(60, 80, 110));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(-11, -14, 22, 9), 3, 3);  // windscreen (front is up)
    p.drawRoundedRect(QRectF(-11, 12, 22, 6), 2, 2);   // rear window
    p.setBrush(QColor(255, 250, 200));
    p.drawEllipse(QRectF(-12, -26, 6, 4));
    p.drawEllipse(QRectF(6, -26, 6, 4));
    p.restore();
}

void paintPedestrian(QPainter &p, QPointF at, double scale)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 50));
    p.drawEllipse(QRectF(-10, -6, 20, 12));
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QRectF(-5, -5, 10, 10));
    p.restore();
}

void paintText(QPainter &p, const QRectF &box, const QString &text, int pixelSize, const QColor &color, bool bold)
{
    p.setFont(cjkFont(pixelSize, bold));
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
    p.setPen(Qt::NoPen);
}

namespace {

QColor lampColor(QChar lamp, bool lit)
{
    const QColor on = lamp == u'R' ? QColor(235, 30, 30) : lamp == u'Y' ? QColor(255, 190, 0) : QColor(20, 210, 90);
    return lit ? on : QColor(45, 45, 45);
}

}

void paintSignalHead(QPainter &p, const QRectF &box, QChar lit, QChar arrow)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    p.drawRoundedRect(box, 8, 8);
    const double d = std::min(box.width() * 0.72, box.height() / 3.4);
    const QString lamps = QStringLiteral("RYG");
    for (int i = 0; i < 3; ++i) {
        const QPointF c(box.center().x(), box.top() + box.height() * (i + 0.5) / 3);
        const bool on = lamps[i] == lit;
        p.setBrush(QColor(10, 10, 10));
        p.drawEllipse(c, d / 2 + 2, d / 2 + 2);
        if (arrow.isNull()) {
            if (on) { // a soft glow shows which lamp is lit
                p.setBrush(lampColor(lamps[i], true).lighter(120));
                p.setOpacity(0.35);
                p.drawEllipse(c, d / 2 + 6, d / 2 + 6);
                p.setOpacity(1);
            }
            p.setBrush(lampColor(lamps[i], on));
            p.drawEllipse(c, d / 2, d / 2);
            continue;
        }
        p.save();
        p.translate(c);
        p.rotate(arrow == u'L' ? -90 : arrow == u'R' ? 90 : 0);
        p.setBrush(lampColor(lamps[i], on));
        const double s = d * 0.42;
        p.drawRect(QRectF(-s * 0.22, -s * 0.2, s * 0.44, s * 1.1));
        p.drawPolygon(QPolygonF({{-s * 0.7, -s * 0.1}, {0, -s}, {s * 0.7, -s * 0.1}}));
        p.restore();
    }
    p.restore();
}

}
