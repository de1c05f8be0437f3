#include "signparts.h"

#include <QFont>
#include <QPainterPathStroker>
#include <QtMath>

namespace signparts {

void beginSign(QPainter &p, QImage &picture, double halfExtent)
{
    picture.fill(kBackground);
    p.begin(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(picture.width() / 2.0, picture.height() / 2.0);
    const double side = qMin(picture.width(), picture.height());
    p.scale(side / 2.0 / halfExtent, side / 2.0 / halfExtent);
    p.setPen(Qt::NoPen);
}

QPolygonF equilateral(QPointF centre, double inradius, bool pointUp)
{
    QPolygonF triangle;
    const double start = pointUp ? -90.0 : 90.0;
    for (int i = 0; i < 3; ++i) {
        const double a = qDegreesToRadians(start + 120.0 * i);
        triangle << centre + QPointF(2 * inradius * qCos(a), 2 * inradius * qSin(a));
    }
    return triangle;
}

namespace {

// The outer triangle is 200 units wide; its bounding box is centred on the origin,
// which puts the incircle centre a third of the height below the middle.
const double kTriangleInradius = 57.7;

void strokeTriangle(QPainter &p, const QPolygonF &t, const QColor &colour, double width, bool fill)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill ? QBrush(colour) : QBrush(Qt::NoBrush));
    p.drawPolygon(t);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
}

}

QPointF warningFrame(QPainter &p)
{
    const QPointF centre(0, 28.9);
    strokeTriangle(p, equilateral(centre, kTriangleInradius - 3, true), kYellow, 6, true);
    strokeTriangle(p, equilateral(centre, kTriangleInradius - 3 - 3 - 6, true), kBlack, 12, false);
    return centre;
}

void yieldFrame(QPainter &p)
{
    const QPointF centre(0, -28.9);
    strokeTriangle(p, equilateral(centre, kTriangleInradius - 3, false), kWhite, 6, true);
    strokeTriangle(p, equilateral(centre, kTriangleInradius - 3 - 2 - 9, false), kRed, 18, false);
}

void stopFrame(QPainter &p)
{
    auto octagon = [](double r) {
        QPolygonF o;
        for (int i = 0; i < 8; ++i) {
            const double a = qDegreesToRadians(22.5 + 45.0 * i);
            o << QPointF(r * qCos(a), r * qSin(a));
        }
        return o;
    };
    p.setBrush(kRed);
    p.drawPolygon(octagon(100));
    p.setPen(QPen(kWhite, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(octagon(93));
    p.setPen(Qt::NoPen);
}

void prohibitionField(QPainter &p, const QColor &field)
{
    p.setBrush(field);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setBrush(Qt::NoBrush);
}

void prohibitionRing(QPainter &p)
{
    p.setPen(QPen(kRed, 18));
    p.drawEllipse(QPointF(0, 0), 91, 91);
    p.setPen(Qt::NoPen);
}

void prohibitionSlash(QPainter &p, bool backslashToo)
{
    // The slash runs from top left to bottom right at 45 degrees, ending in the ring.
    const double d = 85 / M_SQRT2;
    p.setPen(QPen(kRed, 15, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-d, -d), QPointF(d, d));
    if (backslashToo)
        p.drawLine(QPointF(d, -d), QPointF(-d, d));
    p.setPen(Qt::NoPen);
}

void endOfRestrictionDisc(QPainter &p)
{
    p.setBrush(kWhite);
    p.setPen(QPen(kBlack, 3));
    p.drawEllipse(QPointF(0, 0), 98, 98);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::NoBrush);
}

void endOfRestrictionHatching(QPainter &p)
{
    // Five thin parallel strokes from top right to bottom left, clipped to the disc.
    p.save();
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 95, 95);
    p.setClipPath(disc);
    p.setPen(QPen(kBlack, 4.5, Qt::SolidLine, Qt::FlatCap));
    for (int i = -2; i <= 2; ++i) {
        const double o = i * 11.0;
        p.drawLine(QPointF(100 + o, -100 + o), QPointF(-100 + o, 100 + o));
    }
    p.restore();
}

void mandatoryDisc(QPainter &p)
{
    p.setBrush(kWhite);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(0, 0), 96, 96);
    p.setBrush(Qt::NoBrush);
}

void panel(QPainter &p, const QRectF &r, const QColor &fill, const QColor &edge)
{
    const double radius = qMin(r.width(), r.height()) * 0.06;
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(edge, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), radius * 0.7, radius * 0.7);
    p.setPen(Qt::NoPen);
}

void fillArrowHead(QPainter &p, QPointF base, double angleDegrees, double width, const QColor &colour,
                   double headScale)
{
    const double length = width * 1.5 * headScale;
    const double half = width * 1.2 * headScale;
    const double a = qDegreesToRadians(angleDegrees);
    const QPointF dir(qCos(a), -qSin(a));
    const QPointF normal(-dir.y(), dir.x());
    // The base sits slightly back so that the shaft's flat end is covered.
    const QPointF back = base - dir * 0.5;
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{back + normal * half, base + dir * length, back - normal * half});
    p.setBrush(Qt::NoBrush);
}

void fillArrow(QPainter &p, const QPainterPath &shaft, double width, const QColor &colour, double headScale)
{
    p.strokePath(shaft, QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    fillArrowHead(p, shaft.pointAtPercent(1), shaft.angleAtPercent(1), width, colour, headScale);
}

namespace {

QPainterPath textPath(const QString &text)
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(100);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

void fillTransformed(QPainter &p, const QPainterPath &path, const QTransform &t, const QColor &colour,
                     double weight)
{
    const QPainterPath placed = t.map(path);
    p.fillPath(placed, colour);
    if (weight > 0)
        p.strokePath(placed, QPen(colour, weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

}

void fillText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, double weight)
{
    const QPainterPath path = textPath(text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    const double s = qMin((box.width() - weight) / bounds.width(), (box.height() - weight) / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());
    fillTransformed(p, path, t, colour, weight);
}

void fillTextHeight(QPainter &p, QPointF centre, double height, const QString &text, const QColor &colour,
                    double weight)
{
    const QPainterPath path = textPath(text);
    // The height of a capital or a digit sets the scale, so mixed texts keep one size.
    const QRectF reference = textPath(QStringLiteral("0")).boundingRect();
    const QRectF bounds = path.boundingRect();
    const double s = height / reference.height();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -reference.center().y());
    fillTransformed(p, path, t, colour, weight);
}

void place(QPainter &p, QPointF foot, double scale, const std::function<void(QPainter &)> &figure)
{
    p.save();
    p.translate(foot);
    p.scale(scale, scale);
    figure(p);
    p.restore();
}

void placeMirrored(QPainter &p, QPointF foot, double scale, const std::function<void(QPainter &)> &figure)
{
    p.save();
    p.translate(foot);
    p.scale(-scale, scale);
    figure(p);
    p.restore();
}

void polyline(QPainter &p, std::initializer_list<QPointF> points, double width, const QColor &colour,
              Qt::PenCapStyle cap)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF(QList<QPointF>(points)));
    p.setPen(Qt::NoPen);
}

QString drawLegend(QImage &picture, const QStringList &args, const QMap<QString, LegendInfo> &legends)
{
    if (args.isEmpty())
        return QStringLiteral("expected a legend name");
    const auto it = legends.constFind(args.first());
    if (it == legends.constEnd())
        return QStringLiteral("unknown legend '%1'; known: %2")
            .arg(args.first(), legends.keys().join(QLatin1Char(' ')));
    if (args.size() != (it->needsValue ? 2 : 1))
        return it->needsValue ? QStringLiteral("legend '%1' needs one value").arg(args.first())
                              : QStringLiteral("legend '%1' takes no value").arg(args.first());
    QPainter p;
    beginSign(p, picture);
    it->draw(p, args.value(1));
    p.end();
    return {};
}

} // namespace signparts
