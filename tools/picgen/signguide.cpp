// Guide signs: wide panels with white legends; green on expressways, blue on other
// roads, brown for tourist areas; route number plates; the dead-end and junction signs.
// Description lines:
//   "<file>: guide panel <colour> <line>..."   colour: expressway | road | tourist;
//        a line "name|distance" puts the name on the left and the distance on the right
//   "<file>: guide route <national|provincial> <number>"
//   "<file>: guide dead-end"
//   "<file>: guide junction <left> <ahead> <right>"
//   "<file>: guide lanes <code>..."   one code per lane: L S R SL SR LR
#include "picgen.h"
#include "signparts.h"

#include <QMap>

using namespace signparts;

namespace {

const QColor kBrown{120, 70, 35};
const QRectF kPanel(-156, -100, 312, 200);

QString textPanel(QPainter &p, const QStringList &args)
{
    static const QMap<QString, QColor> colours{
        {"expressway", kGreen}, {"road", kBlue}, {"tourist", kBrown}};
    if (args.size() < 2 || !colours.contains(args.first()))
        return QStringLiteral("expected a colour (expressway, road, tourist) and at least one line");
    panel(p, kPanel, colours.value(args.first()));
    const QStringList lines = args.mid(1);
    const double rowHeight = (kPanel.height() - 30) / lines.size();
    for (int i = 0; i < lines.size(); ++i) {
        const double top = kPanel.top() + 15 + i * rowHeight;
        const double h = qMin(rowHeight * 0.62, 70.0);
        const double y = top + (rowHeight - h) / 2;
        const QStringList parts = lines[i].split(QLatin1Char('|'));
        if (parts.size() == 2) {
            fillText(p, QRectF(-136, y, 150, h), parts[0], kWhite, 1);
            fillText(p, QRectF(36, y, 100, h * 0.8), parts[1], kWhite, 1);
        } else {
            fillText(p, QRectF(-136, y, 272, h), lines[i], kWhite, 1);
        }
    }
    return {};
}

QString routePlate(QPainter &p, const QStringList &args)
{
    // National routes are numbered on red plates, provincial routes on yellow ones.
    if (args.size() != 2 || (args[0] != QLatin1String("national") && args[0] != QLatin1String("provincial")))
        return QStringLiteral("expected national|provincial and a route number");
    const bool national = args[0] == QLatin1String("national");
    const QRectF plate(-110, -62, 220, 124);
    panel(p, plate, national ? kRed : kYellow, national ? kWhite : kBlack);
    fillText(p, plate.adjusted(22, 22, -22, -22), args[1], national ? kWhite : kBlack, 2);
    return {};
}

QString deadEnd(QPainter &p, const QStringList &args)
{
    if (!args.isEmpty())
        return QStringLiteral("takes no arguments");
    panel(p, QRectF(-98, -98, 196, 196), kBlue);
    p.setBrush(kWhite);
    p.drawRect(QRectF(-20, -30, 40, 112));
    p.setBrush(kRed);
    p.drawRect(QRectF(-54, -62, 108, 30));
    p.setBrush(Qt::NoBrush);
    return {};
}

QString junction(QPainter &p, const QStringList &args)
{
    if (args.size() != 3)
        return QStringLiteral("expected three place names: left, ahead, right");
    panel(p, kPanel, kBlue);
    QPainterPath stem({0, 88});
    stem.lineTo(0, -20);
    fillArrow(p, stem, 20, kWhite);
    QPainterPath left({0, 24});
    left.lineTo(-62, 24);
    fillArrow(p, left, 20, kWhite);
    QPainterPath right({0, 24});
    right.lineTo(62, 24);
    fillArrow(p, right, 20, kWhite);
    fillText(p, QRectF(-148, -20, 84, 30), args[0], kWhite, 1);
    fillText(p, QRectF(-50, -88, 100, 30), args[1], kWhite, 1);
    fillText(p, QRectF(64, -20, 84, 30), args[2], kWhite, 1);
    return {};
}

QString laneDirections(QPainter &p, const QStringList &args)
{
    // One column per lane, each with the directions its traffic may take.
    static const QMap<QString, int> codes{
        {"L", TurnLeft}, {"S", Straight}, {"R", TurnRight}, {"SL", Straight | TurnLeft},
        {"SR", Straight | TurnRight}, {"LR", TurnLeft | TurnRight}};
    if (args.size() < 2 || args.size() > 5)
        return QStringLiteral("expected two to five lane codes (L S R SL SR LR)");
    for (const QString &code : args)
        if (!codes.contains(code))
            return QStringLiteral("unknown lane code '%1'").arg(code);
    panel(p, kPanel, kBlue);
    const double laneWidth = (kPanel.width() - 20) / args.size();
    const double scale = qMin(laneWidth / 150.0, 1.1);
    for (int i = 0; i < args.size(); ++i) {
        const double x = kPanel.left() + 10 + laneWidth * (i + 0.5);
        if (i > 0)
            polyline(p, {{x - laneWidth / 2, -80}, {x - laneWidth / 2, 80}}, 3, kWhite, Qt::FlatCap);
        p.save();
        p.translate(x, 4);
        p.scale(scale, scale);
        directionArrows(p, codes.value(args[i]), kWhite, 20);
        p.restore();
    }
    return {};
}

QString drawGuide(QImage &picture, const QStringList &args)
{
    using Kind = QString (*)(QPainter &, const QStringList &);
    static const QMap<QString, Kind> kinds{
        {"panel", textPanel}, {"route", routePlate}, {"dead-end", deadEnd}, {"junction", junction},
        {"lanes", laneDirections}};
    if (args.isEmpty() || !kinds.contains(args.first()))
        return QStringLiteral("expected a kind: panel, route, dead-end, junction or lanes");
    QPainter p;
    beginSign(p, picture);
    const QString problem = kinds.value(args.first())(p, args.mid(1));
    p.end();
    return problem;
}

const bool registered = registerDrawer(
    {QStringLiteral("guide"), QStringLiteral("panel|route|dead-end|junction|lanes <arguments>"), {420, 280}, drawGuide});

}
