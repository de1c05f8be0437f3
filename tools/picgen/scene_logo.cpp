// The bank logo shown in the trainer's main window: "logo <caption> <r,g,b>", 142 x 132.
#include "picgen.h"
#include "scene_paint.h"

#include <QPainterPath>

using namespace scene;

namespace {

// A small car seen from the side, facing right, in a 100 x 44 box at the origin.
void paintCarSide(QPainter &p, const QColor &body)
{
    QPainterPath shape;
    shape.moveTo(2, 34);
    shape.lineTo(2, 24);
    shape.quadTo(4, 18, 16, 16);
    shape.lineTo(30, 4);
    shape.quadTo(34, 1, 42, 1);
    shape.lineTo(66, 1);
    shape.quadTo(72, 1, 76, 5);
    shape.lineTo(86, 16);
    shape.quadTo(98, 18, 98, 26);
    shape.lineTo(98, 34);
    shape.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shape);
    p.setBrush(QColor(215, 235, 250));
    p.drawPolygon(QPolygonF({{33, 7}, {46, 5}, {50, 5}, {50, 16}, {22, 16}}));
    p.drawPolygon(QPolygonF({{54, 5}, {66, 5}, {70, 7}, {80, 16}, {54, 16}}));
    for (double x : {24.0, 76.0}) {
        p.setBrush(QColor(30, 30, 30));
        p.drawEllipse(QPointF(x, 34), 10, 10);
        p.setBrush(QColor(190, 190, 190));
        p.drawEllipse(QPointF(x, 34), 4.5, 4.5);
    }
}

QString drawLogo(QImage &image, const QStringList &args)
{
    if (args.size() != 2)
        return QStringLiteral("needs a caption and a colour");
    const QStringList rgb = args[1].split(QLatin1Char(','));
    if (rgb.size() != 3)
        return QStringLiteral("colour is r,g,b");
    const QColor accent(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), Qt::white);
    p.setPen(QPen(accent, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 3, 136, 126), 14, 14);
    p.save();
    p.translate(21, 20);
    paintCarSide(p, accent);
    p.restore();
    paintLine(p, {14, 66}, {128, 66}, QColor(120, 120, 120), 2);
    paintText(p, QRectF(0, 74, 142, 44), args[0], 26, accent.darker(130));
    return {};
}

const bool registered = registerDrawer({QStringLiteral("logo"), QStringLiteral("<caption> <r,g,b>"), {142, 132}, drawLogo});

}
