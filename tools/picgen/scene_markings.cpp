// Road markings seen from above: "marking <kind> [turns]". Traffic drives on the right, so
// vehicles in the right half of a two-way road travel up the picture.
#include "picgen.h"
#include "scene_paint.h"

#include <QPainterPath>

using namespace scene;

namespace {

const QSize kSize(360, 240);
const QRectF kPicture(0, 0, 360, 240);
const QRectF kRoad(60, 0, 240, 240);        // a two-way road, two lanes each way
const QRectF kNarrowRoad(100, 0, 160, 240); // a two-lane road or one carriageway

void edgeLines(QPainter &p, const QRectF &road)
{
    paintLine(p, {road.left() + 5, 0}, {road.left() + 5, 240}, kMarkWhite, 4);
    paintLine(p, {road.right() - 5, 0}, {road.right() - 5, 240}, kMarkWhite, 4);
}

// Two lanes of one direction, split by the given line.
void oneCarriageway(QPainter &p, bool solidSplit)
{
    paintRoad(p, kPicture, kNarrowRoad);
    edgeLines(p, kNarrowRoad);
    const double x = kNarrowRoad.center().x();
    paintLine(p, {x, 0}, {x, 240}, kMarkWhite, 4, solidSplit ? 0 : 40, solidSplit ? 0 : 30);
    paintLaneArrow(p, {x - 40, 170}, 70, QStringLiteral("S"));
    paintLaneArrow(p, {x + 40, 170}, 70, QStringLiteral("S"));
    paintCar(p, {x - 40, 70}, 0, QColor(40, 110, 200));
    paintCar(p, {x + 40, 40}, 0, QColor(220, 220, 220));
}

// A two-lane, two-way road with the centre line drawn by `centre`.
template <typename Centre>
void twoWay(QPainter &p, Centre centre)
{
    paintRoad(p, kPicture, kNarrowRoad);
    edgeLines(p, kNarrowRoad);
    centre(kNarrowRoad.center().x());
    paintCar(p, {kNarrowRoad.center().x() + 40, 165}, 0, QColor(40, 110, 200));
    paintCar(p, {kNarrowRoad.center().x() - 40, 60}, 180, QColor(200, 60, 50));
}

void yellowPair(QPainter &p, double x, bool leftDashed, bool rightDashed)
{
    paintLine(p, {x - 6, 0}, {x - 6, 240}, kMarkYellow, 4, leftDashed ? 40 : 0, leftDashed ? 30 : 0);
    paintLine(p, {x + 6, 0}, {x + 6, 240}, kMarkYellow, 4, rightDashed ? 40 : 0, rightDashed ? 30 : 0);
}

// An approach to an intersection at the top: two lanes up on the right, the crossing road above.
void approach(QPainter &p, double stopY)
{
    paintRoad(p, kPicture, kRoad);
    p.fillRect(QRectF(0, 0, 360, 60), kAsphalt);
    const double c = kRoad.center().x();
    yellowPair(p, c, false, false);
    paintLine(p, {c + 60, stopY}, {c + 60, 240}, kMarkWhite, 3, 30, 22);
    paintLine(p, {c - 60, stopY}, {c - 60, 240}, kMarkWhite, 3, 30, 22);
    p.fillRect(QRectF(c - 11, 0, 22, stopY), kAsphalt);
}

void drawStopLine(QPainter &p)
{
    approach(p, 60);
    const double c = kRoad.center().x();
    paintLine(p, {c + 8, 64}, {c + 118, 64}, kMarkWhite, 8);
    paintLaneArrow(p, {c + 30, 165}, 70, QStringLiteral("SL"));
    paintLaneArrow(p, {c + 90, 165}, 70, QStringLiteral("SR"));
}

void drawYieldLines(QPainter &p, bool stop)
{
    approach(p, 60);
    const double c = kRoad.center().x();
    paintLine(p, {c + 8, 64}, {c + 118, 64}, kMarkWhite, 5, stop ? 0 : 18, stop ? 0 : 10);
    paintLine(p, {c + 8, 76}, {c + 118, 76}, kMarkWhite, 5, stop ? 0 : 18, stop ? 0 : 10);
    for (double x : {c + 32, c + 90}) {
        if (stop) {
            p.save();
            p.translate(x, 150);
            p.scale(1.0, 1.7); // road lettering is stretched along the lane so a driver can read it
            paintText(p, QRectF(-25, -22, 50, 44), QStringLiteral("停"), 34, kMarkWhite);
            p.restore();
        } else {
            p.setBrush(kMarkWhite);
            p.drawPolygon(QPolygonF({{x - 20, 110}, {x + 20, 110}, {x, 200}}));
            p.setBrush(kAsphalt);
            p.drawPolygon(QPolygonF({{x - 11, 118}, {x + 11, 118}, {x, 170}}));
        }
    }
}

void drawCrosswalk(QPainter &p, double y, const QRectF &road)
{
    for (double x = road.left() + 10; x + 14 <= road.right() - 6; x += 26)
        p.fillRect(QRectF(x, y, 14, 48), kMarkWhite);
}

void drawZebra(QPainter &p)
{
    paintRoad(p, kPicture, kRoad);
    drawCrosswalk(p, 96, kRoad);
    const double c = kRoad.center().x();
    paintLine(p, {c, 0}, {c, 90}, kMarkYellow, 4);
    paintLine(p, {c, 150}, {c, 240}, kMarkYellow, 4);
    paintCar(p, {c + 60, 200}, 0, QColor(40, 110, 200));
}

void drawDiamond(QPainter &p)
{
    paintRoad(p, kPicture, kRoad);
    drawCrosswalk(p, 6, kRoad);
    const double c = kRoad.center().x();
    paintLine(p, {c, 60}, {c, 240}, kMarkYellow, 4);
    paintLine(p, {c + 60, 60}, {c + 60, 240}, kMarkWhite, 3, 30, 22);
    for (double x : {c + 30, c + 90}) {
        p.setPen(QPen(kMarkWhite, 5));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({{x, 100}, {x + 18, 150}, {x, 200}, {x - 18, 150}}));
        p.setPen(Qt::NoPen);
    }
}

void drawGrid(QPainter &p)
{
    paintRoad(p, kPicture, QRectF(0, 0, 360, 240));
    const QRectF box(80, 50, 200, 140);
    p.save();
    p.setClipRect(box);
    for (double d = -200; d < 400; d += 28) {
        paintLine(p, {box.left() + d, box.top()}, {box.left() + d + 140, box.bottom()}, kMarkYellow, 3);
        paintLine(p, {box.left() + d + 140, box.top()}, {box.left() + d, box.bottom()}, kMarkYellow, 3);
    }
    p.restore();
    p.setPen(QPen(kMarkYellow, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    // a gate entrance beside the box shows why the space has to stay clear
    p.fillRect(QRectF(120, 0, 120, 14), QColor(150, 150, 150));
    paintText(p, QRectF(120, 0, 120, 14), QStringLiteral("单位出入口"), 11, QColor(30, 30, 30));
}

void drawBusLane(QPainter &p)
{
    paintRoad(p, kPicture, kRoad);
    edgeLines(p, kRoad);
    const double c = kRoad.center().x();
    yellowPair(p, c, false, false);
    paintLine(p, {c + 60, 0}, {c + 60, 240}, kMarkYellow, 5, 40, 24);
    paintLine(p, {c - 60, 0}, {c - 60, 240}, kMarkWhite, 3, 30, 22);
    p.save();
    p.translate(c + 90, 120);
    p.scale(1.0, 1.6);
    paintText(p, QRectF(-28, -15, 56, 30), QStringLiteral("公交"), 22, kMarkWhite);
    p.restore();
    p.save();
    p.translate(c + 90, 180);
    p.scale(1.0, 1.6);
    paintText(p, QRectF(-28, -15, 56, 30), QStringLiteral("专用"), 22, kMarkWhite);
    p.restore();
    paintCar(p, {c + 30, 60}, 0, QColor(40, 110, 200));
}

void drawDiversion(QPainter &p)
{
    // A slip road leaves the carriageway to the right; the island between them is hatched.
    paintRoad(p, kPicture, QRectF(90, 0, 270, 240));
    const QPolygonF island({{215, 20}, {300, 20}, {232, 215}});
    p.save();
    QPainterPath clip;
    clip.addPolygon(island);
    p.setClipPath(clip);
    for (double y = -20; y < 300; y += 22)
        paintLine(p, {200, y}, {300, y - 50}, kMarkWhite, 5);
    p.restore();
    p.setPen(QPen(kMarkWhite, 5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(island);
    p.setPen(Qt::NoPen);
    paintLine(p, {95, 0}, {95, 240}, kMarkWhite, 4);
    paintLine(p, {155, 0}, {155, 240}, kMarkWhite, 3, 30, 22);
    paintLine(p, {232, 215}, {232, 240}, kMarkWhite, 3, 30, 22);
    paintLine(p, {340, 0}, {300, 240}, kMarkWhite, 4);
    paintCar(p, {185, 170}, 0, QColor(40, 110, 200));
    paintCar(p, {300, 80}, 10, QColor(220, 220, 220));
}

void drawSlowdown(QPainter &p)
{
    paintRoad(p, kPicture, kNarrowRoad);
    edgeLines(p, kNarrowRoad);
    const double c = kNarrowRoad.center().x();
    paintLine(p, {c, 0}, {c, 240}, kMarkYellow, 4);
    // Transverse dashed bars, closer together the nearer the hazard ahead.
    for (double y : {40.0, 62.0, 82.0, 100.0, 116.0, 130.0})
        paintLine(p, {c + 10, y}, {c + 72, y}, kMarkWhite, 6, 14, 8);
    paintCar(p, {c + 40, 195}, 0, QColor(40, 110, 200));
}

void drawZigzagLane(QPainter &p, double x)
{
    QPolygonF zig;
    for (double y = 60, i = 0; y <= 240; y += 16, ++i)
        zig << QPointF(x + (int(i) % 2 ? 7 : -7), y);
    p.setPen(QPen(kMarkWhite, 3));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(zig);
    p.setPen(Qt::NoPen);
}

void drawVariableLane(QPainter &p)
{
    // Three lanes up to a junction; the middle one is bounded by zigzag lines and carries no
    // arrow, because its direction is set by an overhead sign that changes with the hour.
    paintRoad(p, kPicture, QRectF(60, 0, 240, 240));
    p.fillRect(QRectF(0, 0, 360, 50), kAsphalt);
    paintLine(p, {64, 54}, {64, 240}, kMarkYellow, 5);
    paintLine(p, {296, 50}, {296, 240}, kMarkWhite, 4);
    drawZigzagLane(p, 140);
    drawZigzagLane(p, 220);
    paintLine(p, {66, 56}, {294, 56}, kMarkWhite, 6);
    paintLaneArrow(p, {102, 170}, 70, QStringLiteral("L"));
    paintLaneArrow(p, {258, 170}, 70, QStringLiteral("S"));
}

void drawLeftWait(QPainter &p)
{
    approach(p, 150);
    const double c = kRoad.center().x();
    paintLine(p, {c + 8, 154}, {c + 118, 154}, kMarkWhite, 6);
    paintLaneArrow(p, {c + 30, 205}, 56, QStringLiteral("L"));
    paintLaneArrow(p, {c + 90, 205}, 56, QStringLiteral("S"));
    // The waiting area runs on from the left-turn lane into the junction, two dashed lines.
    paintLine(p, {c + 12, 150}, {c + 2, 62}, kMarkWhite, 3, 14, 10);
    paintLine(p, {c + 58, 150}, {c + 48, 62}, kMarkWhite, 3, 14, 10);
    paintLine(p, {c + 2, 62}, {c + 48, 62}, kMarkWhite, 3, 14, 10);
    p.save();
    p.translate(c + 30, 106);
    paintText(p, QRectF(-22, -40, 44, 80), QStringLiteral("左弯\n待转区"), 13, kMarkWhite);
    p.restore();
}

void drawCurb(QPainter &p, bool dashed)
{
    paintRoad(p, kPicture, QRectF(0, 0, 300, 240));
    p.fillRect(QRectF(300, 0, 60, 240), QColor(190, 180, 165)); // pavement
    paintLine(p, {300, 0}, {300, 240}, QColor(120, 120, 120), 4);
    paintLine(p, {288, 0}, {288, 240}, kMarkYellow, 6, dashed ? 40 : 0, dashed ? 30 : 0);
    paintLine(p, {150, 0}, {150, 240}, kMarkYellow, 4);
    paintCar(p, {230, 140}, 0, QColor(40, 110, 200));
}

void drawArrow(QPainter &p, const QString &turns)
{
    paintRoad(p, kPicture, kNarrowRoad);
    edgeLines(p, kNarrowRoad);
    paintLaneArrow(p, kNarrowRoad.center() + QPointF(0, 10), 170, turns);
}

// A white bicycle painted in the lane, seen from the side.
void paintBicycle(QPainter &p, QPointF at)
{
    p.save();
    p.translate(at);
    p.setPen(QPen(kMarkWhite, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-20, 10), 13, 13);
    p.drawEllipse(QPointF(20, 10), 13, 13);
    p.drawPolyline(QPolygonF({{-20, 10}, {-4, 10}, {12, -8}, {-10, -8}, {-20, 10}}));
    p.drawLine(QPointF(-4, 10), QPointF(-12, -16));
    p.drawLine(QPointF(12, -8), QPointF(20, 10));
    p.drawLine(QPointF(12, -8), QPointF(8, -20));
    p.drawLine(QPointF(-18, -16), QPointF(-6, -16));
    p.drawLine(QPointF(2, -20), QPointF(14, -20));
    p.restore();
}

void drawBikeLane(QPainter &p)
{
    // The right-hand lane is set apart by a white solid line and marked with a bicycle.
    paintRoad(p, kPicture, kRoad);
    edgeLines(p, kRoad);
    const double c = kRoad.center().x();
    yellowPair(p, c, false, false);
    paintLine(p, {c + 72, 0}, {c + 72, 240}, kMarkWhite, 4);
    paintBicycle(p, {c + 96, 150});
    paintCar(p, {c + 36, 70}, 0, QColor(40, 110, 200));
    paintCar(p, {c - 40, 120}, 180, QColor(200, 60, 50));
}

QString drawMarking(QImage &image, const QStringList &args)
{
    if (args.isEmpty())
        return QStringLiteral("marking kind missing");
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QString kind = args[0];
    if (kind == QStringLiteral("wdash")) oneCarriageway(p, false);
    else if (kind == QStringLiteral("wsolid")) oneCarriageway(p, true);
    else if (kind == QStringLiteral("ydash")) twoWay(p, [&](double x) { paintLine(p, {x, 0}, {x, 240}, kMarkYellow, 4, 40, 30); });
    else if (kind == QStringLiteral("ysolid")) twoWay(p, [&](double x) { paintLine(p, {x, 0}, {x, 240}, kMarkYellow, 4); });
    else if (kind == QStringLiteral("dyellow")) twoWay(p, [&](double x) { yellowPair(p, x, false, false); });
    else if (kind == QStringLiteral("ymixed")) twoWay(p, [&](double x) { yellowPair(p, x, false, true); });
    else if (kind == QStringLiteral("arrow") && args.size() == 2) drawArrow(p, args[1]);
    else if (kind == QStringLiteral("zebra")) drawZebra(p);
    else if (kind == QStringLiteral("diamond")) drawDiamond(p);
    else if (kind == QStringLiteral("stopline")) drawStopLine(p);
    else if (kind == QStringLiteral("stopyield")) drawYieldLines(p, true);
    else if (kind == QStringLiteral("slowyield")) drawYieldLines(p, false);
    else if (kind == QStringLiteral("grid")) drawGrid(p);
    else if (kind == QStringLiteral("buslane")) drawBusLane(p);
    else if (kind == QStringLiteral("bikelane")) drawBikeLane(p);
    else if (kind == QStringLiteral("diversion")) drawDiversion(p);
    else if (kind == QStringLiteral("slowdown")) drawSlowdown(p);
    else if (kind == QStringLiteral("varlane")) drawVariableLane(p);
    else if (kind == QStringLiteral("leftwait")) drawLeftWait(p);
    else if (kind == QStringLiteral("curbsolid")) drawCurb(p, false);
    else if (kind == QStringLiteral("curbdash")) drawCurb(p, true);
    else return QStringLiteral("unknown marking '%1'").arg(kind);
    return {};
}

const bool registered = registerDrawer(
    {QStringLiteral("marking"),
     QStringLiteral("wdash|wsolid|ydash|ysolid|dyellow|ymixed|zebra|diamond|stopline|stopyield|slowyield|grid|"
                    "buslane|bikelane|diversion|slowdown|varlane|leftwait|curbsolid|curbdash, or arrow <S L R U letters>"),
     kSize, drawMarking});

}
