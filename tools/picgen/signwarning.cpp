// Warning signs: a yellow equilateral triangle, point up, with a black band and a
// black pictogram. Description line: "<file>: warning <pictogram>".
// Pictograms are drawn around the centre of the inner triangle; they fit a circle of
// about 40 units and may reach a little further into the wide bottom of the triangle.
#include "picgen.h"
#include "signparts.h"

#include <QMap>
#include <QtMath>

using namespace signparts;

namespace {

using Pictogram = std::function<void(QPainter &)>;

const QColor kInk = kBlack;

void road(QPainter &p, std::initializer_list<QPointF> points, double width = 13)
{
    polyline(p, points, width, kInk, Qt::FlatCap);
}

void arrowAlong(QPainter &p, const QPainterPath &shaft, double width = 11)
{
    fillArrow(p, shaft, width, kInk);
}

QPainterPath line(QPointF a, QPointF b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

void sharpCurve(QPainter &p)
{
    QPainterPath path({12, 42});
    path.lineTo(12, -2);
    path.quadTo(12, -24, -10, -24);
    arrowAlong(p, path, 12);
}

void reverseCurve(QPainter &p)
{
    QPainterPath path({16, 42});
    path.lineTo(16, 26);
    path.cubicTo(16, 6, -14, 8, -14, -12);
    path.lineTo(-14, -18);
    arrowAlong(p, path, 11);
}

void windingRoad(QPainter &p)
{
    QPainterPath path({-4, 40});
    path.cubicTo(-32, 34, -32, 20, -4, 14);
    path.cubicTo(24, 8, 24, -6, -4, -12);
    path.cubicTo(-20, -16, -18, -24, -10, -28);
    arrowAlong(p, path, 10);
}

void roundabout(QPainter &p)
{
    // Three arrows chasing each other anticlockwise, as traffic drives round an island here.
    const QPointF c(0, 10);
    const double r = 28;
    for (int i = 0; i < 3; ++i) {
        const double start = 100 + 120.0 * i;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), start, 70);
        fillArrow(p, arc, 10, kInk, 0.9);
    }
}

void slope(QPainter &p, bool uphill)
{
    const QPolygonF wedge = uphill ? QPolygonF{{-44, 42}, {44, 42}, {44, -4}} : QPolygonF{{-44, 42}, {44, 42}, {-44, -4}};
    p.setBrush(kInk);
    p.drawPolygon(wedge);
    p.setBrush(Qt::NoBrush);
    const double angle = qRadiansToDegrees(qAtan2(46, 88));
    p.save();
    p.translate(0, 19);
    p.rotate(uphill ? -angle : angle);
    place(p, {0, -2}, 0.48, [](QPainter &q) { carSide(q, kInk, kYellow); });
    p.restore();
}

void narrowing(QPainter &p, bool left, bool right)
{
    if (left)
        road(p, {{-30, 44}, {-30, 20}, {-11, 2}, {-11, -34}}, 10);
    else
        road(p, {{-20, 44}, {-20, -34}}, 10);
    if (right)
        road(p, {{30, 44}, {30, 20}, {11, 2}, {11, -34}}, 10);
    else
        road(p, {{20, 44}, {20, -34}}, 10);
}

void narrowBridge(QPainter &p)
{
    road(p, {{-30, 44}, {-13, 26}, {-13, -18}, {-27, -32}}, 10);
    road(p, {{30, 44}, {13, 26}, {13, -18}, {27, -32}}, 10);
}

void twoWay(QPainter &p)
{
    arrowAlong(p, line({-13, 44}, {-13, -10}), 10);
    arrowAlong(p, line({13, -34}, {13, 20}), 10);
}

void trafficSignals(QPainter &p)
{
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(-15, -38, 30, 82), 6, 6);
    const QColor lights[] = {kRed, kYellow, QColor(20, 160, 70)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(lights[i]);
        p.drawEllipse(QPointF(0, -23 + 26.5 * i), 10, 10);
    }
    p.setBrush(Qt::NoBrush);
}

void fallingRocks(QPainter &p)
{
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{-54, 44}, {-22, 44}, {-18, 26}, {-26, 8}, {-18, -8}, {-30, -22}, {-24, -34}, {-40, -30}});
    const QPointF rocks[] = {{2, -16}, {14, 6}, {6, 30}};
    const double sizes[] = {7, 9, 10};
    for (int i = 0; i < 3; ++i) {
        const QPointF c = rocks[i];
        const double s = sizes[i];
        p.drawPolygon(QPolygonF{c + QPointF(-s, 0), c + QPointF(-s * 0.4, -s), c + QPointF(s, -s * 0.6),
                                c + QPointF(s * 0.8, s * 0.7), c + QPointF(-s * 0.5, s)});
    }
    p.setBrush(Qt::NoBrush);
}

void crosswind(QPainter &p)
{
    road(p, {{-24, 44}, {-24, -32}}, 5);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{-22, -32}, {26, -22}, {26, -8}, {-22, -12}});
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF{{-6, -28.7}, {6, -26.2}, {6, -10.7}, {-6, -11.2}});
    p.setBrush(Qt::NoBrush);
}

void slippery(QPainter &p)
{
    place(p, {0, 2}, 0.46, [](QPainter &q) { carRear(q, kInk, kYellow); });
    QPainterPath left({-12, 8});
    left.cubicTo(-30, 16, 2, 26, -14, 40);
    QPainterPath right({12, 8});
    right.cubicTo(-6, 16, 26, 26, 10, 40);
    p.strokePath(left, QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(right, QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
}

void house(QPainter &p, QPointF base, double w, double h)
{
    p.setBrush(kInk);
    p.drawRect(QRectF(base.x() - w / 2, base.y() - h, w, h));
    p.drawPolygon(QPolygonF{{base.x() - w / 2 - 6, base.y() - h}, {base.x(), base.y() - h - w * 0.55},
                            {base.x() + w / 2 + 6, base.y() - h}});
    p.setBrush(kYellow);
    p.drawRect(QRectF(base.x() - w * 0.15, base.y() - h * 0.55, w * 0.3, h * 0.55));
    p.setBrush(Qt::NoBrush);
}

void village(QPainter &p)
{
    house(p, {-16, 40}, 30, 26);
    house(p, {20, 40}, 24, 40);
}

void tunnel(QPainter &p)
{
    QPainterPath portal;
    portal.addPolygon(QPolygonF{{-48, 42}, {-26, -22}, {26, -22}, {48, 42}});
    portal.closeSubpath();
    QPainterPath opening({-18, 42});
    opening.lineTo(-18, 16);
    opening.arcTo(QRectF(-18, -2, 36, 36), 180, -180);
    opening.lineTo(18, 42);
    opening.closeSubpath();
    p.fillPath(portal.subtracted(opening), kInk);
}

void ferry(QPainter &p)
{
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{-38, 10}, {38, 10}, {28, 26}, {-30, 26}});
    p.drawRect(QRectF(-18, -6, 30, 16));
    p.drawRect(QRectF(0, -20, 7, 14));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 2; ++row) {
        QPainterPath wave({-42, 33.0 + row * 8});
        for (int i = 0; i < 4; ++i) {
            const double x = -42 + i * 21.0, y = 33.0 + row * 8;
            wave.quadTo(x + 5, y - 4, x + 10.5, y);
            wave.quadTo(x + 15.5, y + 4, x + 21, y);
        }
        p.strokePath(wave, QPen(kInk, 3.5));
    }
}

void humpBridge(QPainter &p)
{
    QPainterPath path({-46, 30});
    path.lineTo(-22, 30);
    path.cubicTo(-10, 30, -10, -4, 0, -4);
    path.cubicTo(10, -4, 10, 30, 22, 30);
    path.lineTo(46, 30);
    p.strokePath(path, QPen(kInk, 12, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void unevenRoad(QPainter &p)
{
    QPainterPath path({-46, 32});
    path.lineTo(-34, 32);
    path.cubicTo(-28, 32, -26, 14, -16, 14);
    path.cubicTo(-6, 14, -6, 32, 0, 32);
    path.cubicTo(6, 32, 6, 14, 16, 14);
    path.cubicTo(26, 14, 28, 32, 34, 32);
    path.lineTo(46, 32);
    p.strokePath(path, QPen(kInk, 10, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
}

void guardedCrossing(QPainter &p)
{
    // A fence: the barrier of a crossing with a keeper.
    road(p, {{-38, -2}, {38, -2}}, 6);
    road(p, {{-38, 20}, {38, 20}}, 6);
    for (int i = -2; i <= 2; ++i)
        road(p, {{i * 16.0, -22}, {i * 16.0, 40}}, 6);
}

void locomotive(QPainter &p)
{
    p.setBrush(kInk);
    p.drawRect(QRectF(-34, -2, 44, 24));
    p.drawRect(QRectF(10, -22, 26, 44));
    p.drawRect(QRectF(-28, -18, 9, 16));
    p.drawPolygon(QPolygonF{{-40, 22}, {-46, 32}, {-34, 32}});
    p.setBrush(kYellow);
    p.drawRect(QRectF(16, -16, 14, 12));
    p.setBrush(kInk);
    for (const double x : {-26.0, -8.0, 22.0})
        p.drawEllipse(QPointF(x, 30), 8, 8);
    p.setBrush(Qt::NoBrush);
}

void collision(QPainter &p)
{
    place(p, {-22, 40}, 0.48, [](QPainter &q) { carSide(q, kInk, kYellow); });
    p.save();
    p.translate(24, 30);
    p.rotate(-25);
    placeMirrored(p, {0, 0}, 0.48, [](QPainter &q) { carSide(q, kInk, kYellow); });
    p.restore();
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        const double a = qDegreesToRadians(22.5 * i);
        const double r = i % 2 ? 7 : 15;
        star << QPointF(2 + r * qCos(a), -4 + r * qSin(a));
    }
    p.setBrush(kInk);
    p.drawPolygon(star);
    p.setBrush(Qt::NoBrush);
}

void roadworks(QPainter &p)
{
    p.setBrush(kInk);
    p.drawPie(QRectF(6, 22, 40, 40), 0, 180 * 16);
    p.drawEllipse(QPointF(-14, -22), 8, 8);
    p.setBrush(Qt::NoBrush);
    polyline(p, {{-15, -11}, {-8, 14}}, 12, kInk);
    polyline(p, {{-14, -8}, {0, 2}, {8, 4}}, 6, kInk);
    polyline(p, {{-8, 14}, {2, 26}, {4, 42}}, 8, kInk);
    polyline(p, {{-8, 14}, {-18, 28}, {-22, 42}}, 8, kInk);
    polyline(p, {{-4, -10}, {14, 24}}, 4, kInk);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{{10, 22}, {20, 18}, {24, 30}, {16, 34}});
    p.setBrush(Qt::NoBrush);
}

void danger(QPainter &p)
{
    polyline(p, {{0, -28}, {0, 18}}, 13, kInk);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(0, 34), 7.5, 7.5);
    p.setBrush(Qt::NoBrush);
}

void merge(QPainter &p)
{
    road(p, {{-8, 44}, {-8, -34}}, 12);
    QPainterPath branch({34, 44});
    branch.cubicTo(34, 20, 4, 14, 0, -6);
    p.strokePath(branch, QPen(kInk, 9, Qt::SolidLine, Qt::FlatCap));
}

void obstacle(QPainter &p)
{
    p.setBrush(kInk);
    p.drawRect(QRectF(-9, -4, 18, 16));
    p.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        QPainterPath path({side * 4.0, 44});
        path.lineTo(side * 4.0, 34);
        path.cubicTo(side * 4.0, 24, side * 22.0, 24, side * 22.0, 12);
        path.lineTo(side * 22.0, -10);
        fillArrow(p, path, 7, kInk, 1.1);
    }
}

void cattle(QPainter &p)
{
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(-34, -6, 50, 24), 8, 8);
    p.drawPolygon(QPolygonF{{12, -4}, {24, -14}, {32, -14}, {40, 4}, {32, 8}, {20, 6}});
    p.setBrush(Qt::NoBrush);
    for (const double x : {-30.0, -20.0, 4.0, 12.0})
        polyline(p, {{x, 14}, {x, 38}}, 6, kInk, Qt::FlatCap);
    polyline(p, {{25, -14}, {20, -24}}, 4, kInk);
    polyline(p, {{31, -14}, {34, -24}}, 4, kInk);
    polyline(p, {{-33, -2}, {-42, 14}}, 3.5, kInk);
}

void wheelchair(QPainter &p)
{
    p.setBrush(kInk);
    p.drawEllipse(QPointF(-6, -30), 8, 8);
    p.setBrush(Qt::NoBrush);
    polyline(p, {{-8, -18}, {-10, 6}, {12, 6}, {18, 26}, {26, 26}}, 8, kInk);
    polyline(p, {{-8, -10}, {8, -2}}, 6, kInk);
    p.setPen(QPen(kInk, 6));
    p.drawArc(QRectF(-32, 2, 40, 40), 200 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
}

const QMap<QString, Pictogram> &pictograms()
{
    static const QMap<QString, Pictogram> map{
        {"crossroads", [](QPainter &p) { road(p, {{0, -36}, {0, 44}}); road(p, {{-38, 8}, {38, 8}}); }},
        {"t-junction", [](QPainter &p) { road(p, {{-38, -14}, {38, -14}}); road(p, {{0, -14}, {0, 44}}); }},
        {"side-right", [](QPainter &p) { road(p, {{0, -36}, {0, 44}}); road(p, {{0, 8}, {38, 8}}); }},
        {"side-left", [](QPainter &p) { road(p, {{0, -36}, {0, 44}}); road(p, {{0, 8}, {-38, 8}}); }},
        {"y-junction", [](QPainter &p) { road(p, {{0, 44}, {0, 8}, {-22, -26}}); road(p, {{0, 8}, {22, -26}}); }},
        {"roundabout", roundabout},
        {"curve-left", sharpCurve},
        {"curve-right", [](QPainter &p) { p.scale(-1, 1); sharpCurve(p); }},
        {"reverse-curve", reverseCurve},
        {"winding", windingRoad},
        {"uphill", [](QPainter &p) { slope(p, true); }},
        {"downhill", [](QPainter &p) { slope(p, false); }},
        {"narrow-both", [](QPainter &p) { narrowing(p, true, true); }},
        {"narrow-left", [](QPainter &p) { narrowing(p, true, false); }},
        {"narrow-right", [](QPainter &p) { narrowing(p, false, true); }},
        {"narrow-bridge", narrowBridge},
        {"two-way", twoWay},
        {"pedestrians", [](QPainter &p) { place(p, {0, 44}, 0.78, [](QPainter &q) { walker(q, kInk); }); }},
        {"children", [](QPainter &p) {
             place(p, {-14, 44}, 0.64, [](QPainter &q) { child(q, kInk); });
             place(p, {18, 44}, 0.5, [](QPainter &q) { child(q, kInk); });
         }},
        {"signals", trafficSignals},
        {"falling-rocks", fallingRocks},
        {"crosswind", crosswind},
        {"slippery", slippery},
        {"village", village},
        {"tunnel", tunnel},
        {"ferry", ferry},
        {"hump-bridge", humpBridge},
        {"uneven", unevenRoad},
        {"crossing-gate", guardedCrossing},
        {"crossing-train", locomotive},
        {"cyclists", [](QPainter &p) { place(p, {0, 40}, 0.72, [](QPainter &q) { bicycle(q, kInk); }); }},
        {"accidents", collision},
        {"slow", [](QPainter &p) { fillTextHeight(p, {0, 8}, 48, QStringLiteral("慢"), kInk, 1.8); }},
        {"roadworks", roadworks},
        {"danger", danger},
        {"merge", merge},
        {"obstacle", obstacle},
        {"cattle", cattle},
        {"disabled", wheelchair},
    };
    return map;
}

QString drawWarning(QImage &picture, const QStringList &args)
{
    if (args.size() != 1)
        return QStringLiteral("expected one pictogram name");
    const auto it = pictograms().constFind(args.first());
    if (it == pictograms().constEnd())
        return QStringLiteral("unknown pictogram '%1'; known: %2")
            .arg(args.first(), pictograms().keys().join(QLatin1Char(' ')));
    QPainter p;
    beginSign(p, picture);
    const QPointF centre = warningFrame(p);
    p.translate(centre);
    it.value()(p);
    p.end();
    return {};
}

const bool registered = registerDrawer(
    {QStringLiteral("warning"), QStringLiteral("<pictogram>"), {300, 300}, drawWarning});

}
