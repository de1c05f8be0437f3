// Small traffic scenes seen from above: "scene <name>". The blue car is the learner's.
#include "picgen.h"
#include "scene_paint.h"

#include <QMap>
#include <QPainterPath>

using namespace scene;

namespace {

const QColor kOwnCar(40, 110, 200);
const QColor kOtherCar(200, 60, 50);
const QRectF kPicture(0, 0, 360, 240);

// A crossroads: the vertical road x 120..240 and the horizontal road y 70..150; our
// approach is the right half of the lower arm, with a stop line at y 154.
void crossroads(QPainter &p, QChar lit)
{
    paintRoad(p, kPicture, QRectF(120, 0, 120, 240));
    p.fillRect(QRectF(0, 70, 360, 80), kAsphalt);
    paintLine(p, {180, 154}, {180, 240}, kMarkYellow, 4);
    paintLine(p, {180, 0}, {180, 66}, kMarkYellow, 4);
    paintLine(p, {0, 110}, {116, 110}, kMarkYellow, 4);
    paintLine(p, {244, 110}, {360, 110}, kMarkYellow, 4);
    paintLine(p, {182, 156}, {238, 156}, kMarkWhite, 5);
    if (!lit.isNull())
        paintSignalHead(p, QRectF(262, 160, 24, 68), lit);
}

void redOverLine(QPainter &p)
{
    crossroads(p, u'R');
    paintCar(p, {210, 160}, 0, kOwnCar); // its front half is past the stop line
    paintCar(p, {60, 130}, 90, kOtherCar);
}

void overtakeOnDoubleYellow(QPainter &p)
{
    paintRoad(p, kPicture, QRectF(100, 0, 160, 240));
    paintLine(p, {174, 0}, {174, 240}, kMarkYellow, 4);
    paintLine(p, {186, 0}, {186, 240}, kMarkYellow, 4);
    paintLine(p, {105, 0}, {105, 240}, kMarkWhite, 4);
    paintLine(p, {255, 0}, {255, 240}, kMarkWhite, 4);
    paintCar(p, {222, 110}, 0, QColor(230, 230, 230), 1.2);
    paintCar(p, {165, 160}, -14, kOwnCar);
}

// A left turn that keeps to the left of the junction's centre point: the small turn.
void leftTurnInsideCentre(QPainter &p)
{
    crossroads(p, QChar());
    p.fillRect(QRectF(176, 66, 8, 88), kAsphalt); // no centre line inside the junction
    p.setPen(QPen(kMarkWhite, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(180, 110), 9, 9);
    p.setPen(Qt::NoPen);
    QPainterPath path;
    path.moveTo(196, 150);
    path.cubicTo(193, 128, 150, 128, 132, 100);
    path.lineTo(112, 91);
    p.setPen(QPen(QColor(255, 255, 255), 3, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPolygon(QPolygonF({{114, 83}, {97, 88}, {109, 100}}));
    paintCar(p, {196, 182}, 0, kOwnCar);
}

QString drawScene(QImage &image, const QStringList &args)
{
    static const QMap<QString, std::function<void(QPainter &)>> scenes = {
        {QStringLiteral("redover"), redOverLine},
        {QStringLiteral("leftturn"), leftTurnInsideCentre},
        {QStringLiteral("dyover"), overtakeOnDoubleYellow},
    };
    if (args.size() != 1 || !scenes.contains(args[0]))
        return QStringLiteral("unknown scene");
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    scenes.value(args[0])(p);
    return {};
}

const bool registered = registerDrawer(
    {QStringLiteral("scene"), QStringLiteral("redover|leftturn|dyover"), {360, 240}, drawScene});

}
