// Traffic signals: "signal three <R|Y|G>", "signal arrow <L|S|R> <R|Y|G>", "signal flash",
// "signal lane <lamps>" (one letter per lane from the left: X red cross, A green arrow).
#include "picgen.h"
#include "scene_paint.h"

#include <QPainterPath>

using namespace scene;

namespace {

const QSize kSize(360, 240);

void sky(QPainter &p)
{
    QLinearGradient g(0, 0, 0, 240);
    g.setColorAt(0, QColor(150, 195, 235));
    g.setColorAt(1, QColor(215, 232, 245));
    p.fillRect(QRectF(0, 0, 360, 240), g);
    p.fillRect(QRectF(172, 190, 16, 50), QColor(70, 70, 70)); // pole
}

QString drawThree(QPainter &p, const QStringList &args)
{
    if (args.size() != 2 || !QStringLiteral("RYG").contains(args[1]) || args[1].size() != 1)
        return QStringLiteral("three needs R, Y or G");
    sky(p);
    paintSignalHead(p, QRectF(145, 12, 70, 190), args[1][0]);
    return {};
}

QString drawArrow(QPainter &p, const QStringList &args)
{
    if (args.size() != 3 || args[1].size() != 1 || args[2].size() != 1 || !QStringLiteral("LSR").contains(args[1])
        || !QStringLiteral("RYG").contains(args[2]))
        return QStringLiteral("arrow needs a direction L, S or R and a lit lamp R, Y or G");
    sky(p);
    paintSignalHead(p, QRectF(145, 12, 70, 190), args[2][0], args[1][0]);
    return {};
}

QString drawFlash(QPainter &p)
{
    sky(p);
    const QPointF c(180, 100);
    p.setBrush(QColor(25, 25, 25));
    p.drawRoundedRect(QRectF(135, 55, 90, 90), 10, 10);
    p.setBrush(QColor(255, 190, 0));
    p.drawEllipse(c, 32, 32);
    // short rays on both sides stand for the lamp blinking on and off
    for (int side : {-1, 1})
        for (int i = -1; i <= 1; ++i)
            paintLine(p, c + QPointF(side * 58, i * 22), c + QPointF(side * 82, i * 32), QColor(255, 170, 0), 6);
    p.setBrush(QColor(255, 190, 0));
    return {};
}

void laneLamp(QPainter &p, QPointF c, QChar lamp)
{
    p.setBrush(QColor(20, 20, 20));
    p.drawRoundedRect(QRectF(c.x() - 30, c.y() - 30, 60, 60), 6, 6);
    if (lamp == u'X') {
        paintLine(p, c + QPointF(-17, -17), c + QPointF(17, 17), QColor(235, 30, 30), 9);
        paintLine(p, c + QPointF(17, -17), c + QPointF(-17, 17), QColor(235, 30, 30), 9);
    } else {
        p.setBrush(QColor(20, 210, 90));
        p.drawRect(QRectF(c.x() - 5, c.y() - 20, 10, 22));
        p.drawPolygon(QPolygonF({c + QPointF(-16, 0), c + QPointF(16, 0), c + QPointF(0, 20)}));
    }
}

QString drawLane(QPainter &p, const QStringList &args)
{
    if (args.size() != 2 || args[1].isEmpty() || args[1].size() > 3)
        return QStringLiteral("lane needs one to three lamps of X and A");
    for (QChar c : args[1])
        if (c != u'X' && c != u'A')
            return QStringLiteral("lane lamps are X or A");
    // A gantry over the road, one lamp above the middle of each lane.
    const int lanes = int(args[1].size());
    const double laneWidth = 300.0 / lanes;
    paintRoad(p, QRectF(0, 0, 360, 240), QRectF(30, 0, 300, 240));
    for (int i = 1; i < lanes; ++i)
        paintLine(p, {30 + i * laneWidth, 0}, {30 + i * laneWidth, 240}, kMarkWhite, 3, 30, 22);
    p.fillRect(QRectF(20, 48, 320, 14), QColor(150, 150, 155));
    for (int i = 0; i < lanes; ++i)
        laneLamp(p, {30 + (i + 0.5) * laneWidth, 55}, args[1][i]);
    paintCar(p, {30 + (lanes - 0.5) * laneWidth, 190}, 0, QColor(40, 110, 200));
    return {};
}

QString drawSignal(QImage &image, const QStringList &args)
{
    if (args.isEmpty())
        return QStringLiteral("signal kind missing");
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (args[0] == QStringLiteral("three"))
        return drawThree(p, args);
    if (args[0] == QStringLiteral("arrow"))
        return drawArrow(p, args);
    if (args[0] == QStringLiteral("flash"))
        return drawFlash(p);
    if (args[0] == QStringLiteral("lane"))
        return drawLane(p, args);
    return QStringLiteral("unknown signal '%1'").arg(args[0]);
}

const bool registered = registerDrawer(
    {QStringLiteral("signal"),
     QStringLiteral("three <R|Y|G> | arrow <L|S|R> <R|Y|G> | flash | lane <X and A per lane, from the left>"),
     kSize, drawSignal});

}
