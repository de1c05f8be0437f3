// Prohibitory signs: mostly a red ring on a white disc with a black legend and, for
// "no ..." signs, a red slash; also the stop octagon, the give-way triangle and the
// "end of restriction" discs. Description line: "<file>: prohibit <legend> [value]".
#include "picgen.h"
#include "signparts.h"

#include <QMap>

using namespace signparts;

namespace {

// A restriction shown by a figure and struck out by the slash.
Legend struckOut(const std::function<void(QPainter &)> &figure)
{
    return [figure](QPainter &p, const QString &) {
        prohibitionField(p);
        figure(p);
        prohibitionSlash(p);
        prohibitionRing(p);
    };
}

Legend turnBan(int directions)
{
    return struckOut([directions](QPainter &p) { directionArrows(p, directions, kBlack, 16); });
}

void noEntry(QPainter &p, const QString &)
{
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, 0), 100, 100);
    p.setBrush(kWhite);
    p.drawRect(QRectF(-70, -14, 140, 28));
    p.setBrush(Qt::NoBrush);
}

void closedToAll(QPainter &p, const QString &)
{
    prohibitionField(p);
    prohibitionRing(p);
}

void noOvertaking(QPainter &p, const QString &)
{
    prohibitionField(p);
    place(p, {-32, 36}, 0.72, [](QPainter &q) { carRear(q, kRed, kWhite); });
    place(p, {32, 36}, 0.72, [](QPainter &q) { carRear(q, kBlack, kWhite); });
    prohibitionRing(p);
}

void endOfNoOvertaking(QPainter &p, const QString &)
{
    endOfRestrictionDisc(p);
    place(p, {-32, 36}, 0.72, [](QPainter &q) { carRear(q, kGrey, kWhite); });
    place(p, {32, 36}, 0.72, [](QPainter &q) { carRear(q, kGrey, kWhite); });
    endOfRestrictionHatching(p);
}

void parking(QPainter &p, bool anyStop)
{
    prohibitionField(p, kBlue);
    prohibitionSlash(p, anyStop);
    prohibitionRing(p);
}

void speedLimit(QPainter &p, const QString &value)
{
    prohibitionField(p);
    fillTextHeight(p, {0, 0}, 72, value, kBlack, 2);
    prohibitionRing(p);
}

void endOfSpeedLimit(QPainter &p, const QString &value)
{
    endOfRestrictionDisc(p);
    fillTextHeight(p, {0, 0}, 72, value, kGrey, 2);
    endOfRestrictionHatching(p);
}

// Height and width limits carry small black wedges that point at the limited dimension.
void wedge(QPainter &p, QPointF base, double angleDegrees)
{
    fillArrowHead(p, base, angleDegrees, 10, kBlack, 1.0);
}

void heightLimit(QPainter &p, const QString &value)
{
    prohibitionField(p);
    fillTextHeight(p, {0, 2}, 46, value + QStringLiteral("m"), kBlack, 1.5);
    wedge(p, {0, -60}, -90);
    wedge(p, {0, 62}, 90);
    prohibitionRing(p);
}

void widthLimit(QPainter &p, const QString &value)
{
    prohibitionField(p);
    fillTextHeight(p, {0, 0}, 46, value + QStringLiteral("m"), kBlack, 1.5);
    wedge(p, {-74, 0}, 0);
    wedge(p, {74, 0}, 180);
    prohibitionRing(p);
}

void weightLimit(QPainter &p, const QString &value)
{
    prohibitionField(p);
    fillTextHeight(p, {0, 0}, 58, value + QStringLiteral("t"), kBlack, 2);
    prohibitionRing(p);
}

void textInRing(QPainter &p, const QString &text)
{
    prohibitionField(p);
    fillText(p, QRectF(-62, -30, 124, 60), text, kBlack, 1.5);
    prohibitionRing(p);
}

void giveWayToOncoming(QPainter &p, const QString &)
{
    // Your own direction (up, on the right) is red: you wait for the oncoming traffic.
    prohibitionField(p);
    QPainterPath up({22, 60});
    up.lineTo(22, -30);
    fillArrow(p, up, 16, kRed);
    QPainterPath down({-22, -60});
    down.lineTo(-22, 30);
    fillArrow(p, down, 16, kBlack);
    prohibitionRing(p);
}

void stop(QPainter &p, const QString &)
{
    stopFrame(p);
    fillTextHeight(p, {0, 0}, 80, QStringLiteral("停"), kWhite, 2);
}

void giveWay(QPainter &p, const QString &)
{
    yieldFrame(p);
    fillTextHeight(p, {0, -38}, 32, QStringLiteral("让"), kBlack, 1.2);
}

const QMap<QString, LegendInfo> &legends()
{
    static const QMap<QString, LegendInfo> map{
        {"closed", {false, closedToAll}},
        {"no-entry", {false, noEntry}},
        {"no-motor", {false, struckOut([](QPainter &p) {
                          place(p, {0, 28}, 0.95, [](QPainter &q) { carSide(q, kBlack, kWhite); });
                      })}},
        {"no-trucks", {false, struckOut([](QPainter &p) {
                           place(p, {0, 32}, 0.95, [](QPainter &q) { truckSide(q, kBlack, kWhite); });
                       })}},
        {"no-buses", {false, struckOut([](QPainter &p) {
                          place(p, {0, 32}, 0.95, [](QPainter &q) { busSide(q, kBlack, kWhite); });
                      })}},
        {"no-motorcycles", {false, struckOut([](QPainter &p) {
                                place(p, {0, 34}, 0.95, [](QPainter &q) { motorcycle(q, kBlack); });
                            })}},
        {"no-bicycles", {false, struckOut([](QPainter &p) {
                             place(p, {0, 36}, 0.95, [](QPainter &q) { bicycle(q, kBlack); });
                         })}},
        {"no-pedestrians", {false, struckOut([](QPainter &p) {
                                place(p, {-2, 50}, 1.0, [](QPainter &q) { walker(q, kBlack); });
                            })}},
        {"no-left", {false, turnBan(TurnLeft)}},
        {"no-right", {false, turnBan(TurnRight)}},
        {"no-straight", {false, turnBan(Straight)}},
        {"no-left-right", {false, turnBan(TurnLeft | TurnRight)}},
        {"no-straight-left", {false, turnBan(Straight | TurnLeft)}},
        {"no-straight-right", {false, turnBan(Straight | TurnRight)}},
        {"no-uturn", {false, struckOut([](QPainter &p) { uTurnArrow(p, kBlack, 16); })}},
        {"no-overtaking", {false, noOvertaking}},
        {"end-no-overtaking", {false, endOfNoOvertaking}},
        {"no-stopping", {false, [](QPainter &p, const QString &) { parking(p, true); }}},
        {"no-long-parking", {false, [](QPainter &p, const QString &) { parking(p, false); }}},
        {"no-horn", {false, struckOut([](QPainter &p) {
                         place(p, {-4, 60}, 1.2, [](QPainter &q) { horn(q, kBlack); });
                     })}},
        {"speed", {true, speedLimit}},
        {"end-speed", {true, endOfSpeedLimit}},
        {"height", {true, heightLimit}},
        {"width", {true, widthLimit}},
        {"weight", {true, weightLimit}},
        {"check", {false, [](QPainter &p, const QString &) { textInRing(p, QStringLiteral("检查")); }}},
        {"give-way-oncoming", {false, giveWayToOncoming}},
        {"stop", {false, stop}},
        {"give-way", {false, giveWay}},
    };
    return map;
}

QString drawProhibitory(QImage &picture, const QStringList &args)
{
    return drawLegend(picture, args, legends());
}

const bool registered = registerDrawer(
    {QStringLiteral("prohibit"), QStringLiteral("<legend> [value]"), {300, 300}, drawProhibitory});

}
