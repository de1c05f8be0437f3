// Instrument-panel warning and indicator lamps: "dash <lamp>", one lamp lit on a dark panel.
// Colours follow the usual convention: red warns, amber reports a fault, green and blue inform.
#include "picgen.h"
#include "scene_paint.h"

#include <QMap>
#include <QPainterPath>

using namespace scene;

namespace {

const QColor kRed(235, 45, 35);
const QColor kAmber(255, 170, 0);
const QColor kGreen(40, 210, 80);
const QColor kBlue(40, 120, 255);

QPen strokePen(const QColor &c, double w = 7)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The lamps are drawn in a 100 x 100 box centred on the origin.

void seatbelt(QPainter &p)
{
    p.setBrush(kRed);
    p.drawEllipse(QPointF(-8, -36), 12, 12);
    QPainterPath body; // a seated person seen from the side, facing left
    body.moveTo(-22, -18);
    body.lineTo(8, -18);
    body.lineTo(14, 22);
    body.lineTo(-20, 22);
    body.lineTo(-26, 44);
    body.lineTo(-40, 44);
    body.lineTo(-34, 10);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(strokePen(QColor(20, 20, 20), 6));
    p.drawLine(QPointF(6, -16), QPointF(-20, 18)); // the belt across the chest
    p.setPen(strokePen(kRed, 6));
    p.drawLine(QPointF(10, -20), QPointF(26, -40));
    p.drawLine(QPointF(-22, 20), QPointF(-26, 30));
}

void circledText(QPainter &p, const QColor &c, const QString &text, int pixelSize)
{
    p.setPen(strokePen(c, 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 30, 30);
    p.drawArc(QRectF(-48, -40, 80, 80), 130 * 16, 100 * 16);
    p.drawArc(QRectF(-32, -40, 80, 80), -50 * 16, 100 * 16);
    p.setPen(c);
    p.setFont(cjkFont(pixelSize));
    p.drawText(QRectF(-30, -30, 60, 60), Qt::AlignCenter, text);
}

void oilCan(QPainter &p)
{
    p.setPen(strokePen(kRed, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath can;
    can.moveTo(-44, -4);
    can.lineTo(-30, -4);
    can.lineTo(-20, -14);
    can.lineTo(4, -14);
    can.lineTo(10, -8);
    can.lineTo(44, -22);
    can.lineTo(20, 18);
    can.lineTo(-30, 18);
    can.lineTo(-30, 4);
    can.lineTo(-44, 4);
    can.closeSubpath();
    p.drawPath(can);
    p.drawLine(QPointF(-12, -14), QPointF(-12, -22));
    p.drawLine(QPointF(-20, -22), QPointF(-4, -22));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(41, -6, 8, 12)); // the drop from the spout
}

void battery(QPainter &p)
{
    p.setPen(strokePen(kRed, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-40, -22, 80, 48));
    p.setBrush(kRed);
    p.drawRect(QRectF(-30, -32, 14, 8));
    p.drawRect(QRectF(16, -32, 14, 8));
    p.drawLine(QPointF(-30, 2), QPointF(-14, 2));
    p.drawLine(QPointF(14, 2), QPointF(30, 2));
    p.drawLine(QPointF(22, -6), QPointF(22, 10));
}

void engine(QPainter &p)
{
    p.setPen(strokePen(kAmber, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath e;
    e.moveTo(-30, -12);
    e.lineTo(-10, -12);
    e.lineTo(-10, -20);
    e.lineTo(16, -20);
    e.lineTo(16, -12);
    e.lineTo(26, -12);
    e.lineTo(34, -4);
    e.lineTo(42, -4);
    e.lineTo(42, 18);
    e.lineTo(34, 18);
    e.lineTo(26, 26);
    e.lineTo(-20, 26);
    e.lineTo(-30, 14);
    e.lineTo(-30, -12);
    p.drawPath(e);
    p.drawLine(QPointF(-30, 0), QPointF(-42, 0));
    p.drawLine(QPointF(-42, -12), QPointF(-42, 14));
    p.drawLine(QPointF(-4, -28), QPointF(10, -28));
    p.drawLine(QPointF(3, -28), QPointF(3, -20));
}

void fuel(QPainter &p)
{
    p.setPen(strokePen(kAmber, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-34, -34, 40, 70), 4, 4);
    p.setBrush(kAmber);
    p.drawRect(QRectF(-27, -26, 26, 18));
    p.drawLine(QPointF(-42, 38), QPointF(14, 38));
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(6, -16);
    hose.lineTo(20, -16);
    hose.lineTo(24, 20);
    hose.quadTo(30, 28, 34, 20);
    hose.lineTo(34, -18);
    hose.lineTo(24, -30);
    p.drawPath(hose);
}

void doorOpen(QPainter &p)
{
    // a car seen from above with both front doors swung open
    p.setPen(strokePen(kRed, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-18, -44, 36, 88), 10, 10);
    p.drawLine(QPointF(-18, -12), QPointF(-40, 8));
    p.drawLine(QPointF(18, -12), QPointF(40, 8));
    p.drawLine(QPointF(-12, -28), QPointF(12, -28));
}

// A headlamp facing left: a flat front and a rounded back.
void lampBody(QPainter &p, const QColor &c, bool facingLeft)
{
    p.save();
    if (!facingLeft)
        p.scale(-1, 1);
    p.setPen(strokePen(c, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath lamp;
    lamp.moveTo(-2, -24);
    lamp.cubicTo(34, -24, 34, 24, -2, 24);
    lamp.closeSubpath();
    p.drawPath(lamp);
    p.restore();
}

void beams(QPainter &p, const QColor &c, double slope, bool facingLeft)
{
    p.setPen(strokePen(c, 5));
    const double dir = facingLeft ? -1 : 1;
    for (double y : {-18.0, -6.0, 6.0, 18.0})
        p.drawLine(QPointF(dir * 10, y), QPointF(dir * 40, y + slope));
}

void fogWave(QPainter &p, const QColor &c, double x)
{
    p.setPen(strokePen(c, 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath wave;
    wave.moveTo(x, -34);
    wave.cubicTo(x - 10, -18, x + 10, -6, x, 6);
    wave.cubicTo(x - 10, 18, x + 10, 28, x, 36);
    p.drawPath(wave);
}

void hazard(QPainter &p)
{
    p.setPen(strokePen(kRed, 6));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({{0, -40}, {42, 34}, {-42, 34}}));
    p.drawPolygon(QPolygonF({{0, -14}, {18, 18}, {-18, 18}}));
}

void coolant(QPainter &p)
{
    p.setPen(strokePen(kRed, 5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, -40), QPointF(0, 8));
    for (double y : {-32.0, -22.0, -12.0})
        p.drawLine(QPointF(0, y), QPointF(12, y));
    p.setBrush(kRed);
    p.drawEllipse(QPointF(0, 14), 8, 8);
    p.setBrush(Qt::NoBrush);
    for (double y : {28.0, 38.0}) {
        QPainterPath wave;
        wave.moveTo(-40, y);
        for (int i = 0; i < 4; ++i)
            wave.quadTo(-30 + i * 20, y - 7, -20 + i * 20, y);
        p.drawPath(wave);
    }
}

void turnSignals(QPainter &p)
{
    p.setBrush(kGreen);
    for (int side : {-1, 1}) {
        QPolygonF arrow({{side * 6.0, -10}, {side * 22.0, -10}, {side * 22.0, -24}, {side * 46.0, 0},
                         {side * 22.0, 24}, {side * 22.0, 10}, {side * 6.0, 10}});
        p.drawPolygon(arrow);
    }
}

void tyrePressure(QPainter &p)
{
    // a tyre cross-section, open at the top, with an exclamation mark inside
    p.setPen(strokePen(kAmber, 6));
    p.setBrush(Qt::NoBrush);
    QPainterPath tyre;
    tyre.moveTo(-30, -30);
    tyre.cubicTo(-46, -6, -40, 24, -30, 30);
    tyre.lineTo(30, 30);
    tyre.cubicTo(40, 24, 46, -6, 30, -30);
    p.drawPath(tyre);
    for (double x : {-22.0, -8.0, 8.0, 22.0})
        p.drawLine(QPointF(x, 30), QPointF(x, 38));
    p.drawLine(QPointF(0, -18), QPointF(0, 6));
    p.drawPoint(QPointF(0, 18));
}

void airbag(QPainter &p)
{
    // a seated person with the inflated bag in front of the chest
    p.setBrush(kRed);
    p.drawEllipse(QPointF(16, -34), 11, 11);
    QPainterPath body;
    body.moveTo(2, -18);
    body.lineTo(22, -18);
    body.lineTo(28, 20);
    body.lineTo(40, 22);
    body.lineTo(44, 44);
    body.lineTo(32, 44);
    body.lineTo(28, 32);
    body.lineTo(4, 30);
    body.closeSubpath();
    p.drawPath(body);
    p.drawEllipse(QPointF(-24, -6), 18, 18);
    p.setPen(strokePen(kRed, 5));
    p.drawLine(QPointF(-44, 30), QPointF(-18, 30));
}

void positionLamps(QPainter &p)
{
    // two lamps back to back, each shining outwards
    for (int side : {-1, 1}) {
        p.save();
        p.scale(side, 1);
        p.setPen(strokePen(kGreen, 5));
        p.setBrush(Qt::NoBrush);
        QPainterPath lamp;
        lamp.moveTo(6, -18);
        lamp.cubicTo(30, -18, 30, 18, 6, 18);
        lamp.closeSubpath();
        p.drawPath(lamp);
        for (double y : {-16.0, 0.0, 16.0})
            p.drawLine(QPointF(32, y * 1.2), QPointF(46, y * 1.6));
        p.restore();
    }
}

// Three wavy arrows rising from a window: warm air clearing it.
void risingWaves(QPainter &p, const QColor &c)
{
    p.setPen(strokePen(c, 4));
    p.setBrush(Qt::NoBrush);
    for (double x : {-16.0, 0.0, 16.0}) {
        QPainterPath wave;
        wave.moveTo(x, 20);
        wave.cubicTo(x - 7, 10, x + 7, 0, x, -10);
        p.drawPath(wave);
        p.drawLine(QPointF(x, -12), QPointF(x - 5, -4));
        p.drawLine(QPointF(x, -12), QPointF(x + 5, -4));
    }
}

void frontDefrost(QPainter &p)
{
    p.setPen(strokePen(kAmber, 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath screen; // a windscreen: curved top, narrower than its base
    screen.moveTo(-44, 34);
    screen.lineTo(-34, -24);
    screen.quadTo(0, -36, 34, -24);
    screen.lineTo(44, 34);
    screen.quadTo(0, 26, -44, 34);
    p.drawPath(screen);
    p.translate(0, 4);
    risingWaves(p, kAmber);
}

void rearDefrost(QPainter &p)
{
    p.setPen(strokePen(kAmber, 5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-42, -30, 84, 62), 6, 6);
    p.translate(0, 4);
    risingWaves(p, kAmber);
}

QString drawDash(QImage &image, const QStringList &args)
{
    static const QMap<QString, std::function<void(QPainter &)>> lamps = {
        {QStringLiteral("seatbelt"), seatbelt},
        {QStringLiteral("brake"), [](QPainter &p) { circledText(p, kRed, QStringLiteral("!"), 40); }},
        {QStringLiteral("abs"), [](QPainter &p) { circledText(p, kAmber, QStringLiteral("ABS"), 18); }},
        {QStringLiteral("oil"), oilCan},
        {QStringLiteral("battery"), battery},
        {QStringLiteral("engine"), engine},
        {QStringLiteral("fuel"), fuel},
        {QStringLiteral("door"), doorOpen},
        {QStringLiteral("highbeam"), [](QPainter &p) { lampBody(p, kBlue, true); beams(p, kBlue, 0, true); }},
        {QStringLiteral("lowbeam"), [](QPainter &p) { lampBody(p, kGreen, true); beams(p, kGreen, 10, true); }},
        {QStringLiteral("frontfog"), [](QPainter &p) { p.translate(12, 0); lampBody(p, kGreen, true); beams(p, kGreen, 10, true); fogWave(p, kGreen, -25); }},
        {QStringLiteral("rearfog"), [](QPainter &p) { p.translate(-12, 0); lampBody(p, kAmber, false); beams(p, kAmber, 0, false); fogWave(p, kAmber, 25); }},
        {QStringLiteral("hazard"), hazard},
        {QStringLiteral("coolant"), coolant},
        {QStringLiteral("turn"), turnSignals},
        {QStringLiteral("parkbrake"), [](QPainter &p) { circledText(p, kRed, QStringLiteral("P"), 36); }},
        {QStringLiteral("tyre"), tyrePressure},
        {QStringLiteral("airbag"), airbag},
        {QStringLiteral("position"), positionLamps},
        {QStringLiteral("frontdefrost"), frontDefrost},
        {QStringLiteral("reardefrost"), rearDefrost},
    };
    if (args.size() != 1 || !lamps.contains(args[0]))
        return QStringLiteral("unknown lamp");
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(30, 32, 36));
    p.setPen(QPen(QColor(70, 72, 78), 4));
    p.setBrush(QColor(12, 12, 14));
    p.drawRoundedRect(QRectF(50, 20, 140, 140), 18, 18);
    p.setPen(Qt::NoPen);
    p.translate(120, 90);
    lamps.value(args[0])(p);
    return {};
}

const bool registered = registerDrawer(
    {QStringLiteral("dash"),
     QStringLiteral("seatbelt|brake|abs|oil|battery|engine|fuel|door|highbeam|lowbeam|frontfog|rearfog|hazard|coolant|turn|parkbrake|tyre|airbag|position|frontdefrost|reardefrost"),
     {240, 180}, drawDash});

}
