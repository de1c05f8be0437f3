// Mandatory and other indication signs: white symbols on a blue disc, square or
// rectangle. Description line: "<file>: mandatory <legend> [value]".
#include "picgen.h"
#include "signparts.h"

#include <QMap>

using namespace signparts;

namespace {

// A symbol on the blue disc.
Legend onDisc(const std::function<void(QPainter &)> &symbol)
{
    return [symbol](QPainter &p, const QString &) {
        mandatoryDisc(p);
        symbol(p);
    };
}

Legend directions(int flags)
{
    return onDisc([flags](QPainter &p) { directionArrows(p, flags, kWhite, 22); });
}

void keepToSide(QPainter &p, bool right)
{
    const double side = right ? 1 : -1;
    QPainterPath path({-side * 36, -36});
    path.lineTo(side * 14, 14);
    fillArrow(p, path, 24, kWhite);
}

void roundabout(QPainter &p)
{
    // Anticlockwise, the way traffic circulates round an island here.
    const QRectF circle(-50, -50, 100, 100);
    for (int i = 0; i < 3; ++i) {
        const double start = 110 + 120.0 * i;
        QPainterPath arc;
        arc.arcMoveTo(circle, start);
        arc.arcTo(circle, start, 68);
        fillArrow(p, arc, 17, kWhite, 0.9);
    }
}

void minimumSpeed(QPainter &p, const QString &value)
{
    mandatoryDisc(p);
    fillTextHeight(p, {0, 0}, 72, value, kWhite, 2);
}

QRectF squareRect()
{
    return QRectF(-98, -98, 196, 196);
}

void priorityOverOncoming(QPainter &p, const QString &)
{
    // Your own direction (up, on the right) is white and large: oncoming traffic waits.
    panel(p, squareRect(), kBlue);
    QPainterPath up({24, 72});
    up.lineTo(24, -28);
    fillArrow(p, up, 22, kWhite);
    QPainterPath down({-28, -66});
    down.lineTo(-28, 34);
    fillArrow(p, down, 14, kRed);
}

void pedestrianCrossing(QPainter &p, const QString &)
{
    panel(p, squareRect(), kBlue);
    p.setBrush(kWhite);
    p.drawPolygon(equilateral({0, 18}, 42, true));
    p.setBrush(kBlue);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(-58 + i * 30, 46, 16, 10));
    p.setBrush(Qt::NoBrush);
    place(p, {0, 44}, 0.62, [](QPainter &q) { walker(q, kBlack); });
}

void parkingPlace(QPainter &p, const QString &)
{
    panel(p, squareRect(), kBlue);
    fillTextHeight(p, {0, 0}, 120, QStringLiteral("P"), kWhite, 3);
}

void oneWay(QPainter &p, bool straight)
{
    const QRectF r = straight ? QRectF(-62, -98, 124, 196) : QRectF(-98, -62, 196, 124);
    panel(p, r, kBlue);
    QPainterPath path = straight ? QPainterPath({0, 76}) : QPainterPath({-76, 0});
    path.lineTo(straight ? QPointF(0, -30) : QPointF(30, 0));
    fillArrow(p, path, 24, kWhite);
}

const QMap<QString, LegendInfo> &legends()
{
    static const QMap<QString, LegendInfo> map{
        {"straight", {false, directions(Straight)}},
        {"left", {false, directions(TurnLeft)}},
        {"right", {false, directions(TurnRight)}},
        {"straight-left", {false, directions(Straight | TurnLeft)}},
        {"straight-right", {false, directions(Straight | TurnRight)}},
        {"left-right", {false, directions(TurnLeft | TurnRight)}},
        {"keep-right", {false, onDisc([](QPainter &p) { keepToSide(p, true); })}},
        {"keep-left", {false, onDisc([](QPainter &p) { keepToSide(p, false); })}},
        {"roundabout", {false, onDisc(roundabout)}},
        {"uturn", {false, onDisc([](QPainter &p) { uTurnArrow(p, kWhite, 22); })}},
        {"horn", {false, onDisc([](QPainter &p) {
                      place(p, {-4, 60}, 1.2, [](QPainter &q) { horn(q, kWhite); });
                  })}},
        {"min-speed", {true, minimumSpeed}},
        {"motor", {false, onDisc([](QPainter &p) {
                       place(p, {0, 30}, 1.05, [](QPainter &q) { carSide(q, kWhite, kBlue); });
                   })}},
        {"bicycles", {false, onDisc([](QPainter &p) {
                          place(p, {0, 38}, 1.05, [](QPainter &q) { bicycle(q, kWhite); });
                      })}},
        {"walk", {false, onDisc([](QPainter &p) {
                      place(p, {-2, 54}, 1.1, [](QPainter &q) { walker(q, kWhite); });
                  })}},
        {"priority", {false, priorityOverOncoming}},
        {"crossing", {false, pedestrianCrossing}},
        {"parking", {false, parkingPlace}},
        {"one-way", {false, [](QPainter &p, const QString &) { oneWay(p, true); }}},
        {"one-way-side", {false, [](QPainter &p, const QString &) { oneWay(p, false); }}},
    };
    return map;
}

QString drawMandatory(QImage &picture, const QStringList &args)
{
    return drawLegend(picture, args, legends());
}

const bool registered = registerDrawer(
    {QStringLiteral("mandatory"), QStringLiteral("<legend> [value]"), {300, 300}, drawMandatory});

}
