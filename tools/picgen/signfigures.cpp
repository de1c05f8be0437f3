// The small figures that appear on many signs. Each is drawn in a 100-unit box:
// x from -50 to 50, y from -100 (top) to 0 (the ground line), facing right.
#include "signparts.h"

namespace signparts {

namespace {

void disc(QPainter &p, QPointF c, double r, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
}

void wheel(QPainter &p, QPointF c, double r, const QColor &colour, const QColor &field)
{
    disc(p, c, r + 3, field);
    disc(p, c, r, colour);
}

void polygon(QPainter &p, const QPolygonF &shape, const QColor &colour)
{
    p.setBrush(colour);
    p.drawPolygon(shape);
    p.setBrush(Qt::NoBrush);
}

}

void walker(QPainter &p, const QColor &colour)
{
    disc(p, {8, -88}, 10, colour);
    polyline(p, {{4, -74}, {-1, -42}}, 15, colour);
    polyline(p, {{4, -70}, {16, -56}, {27, -50}}, 8, colour);
    polyline(p, {{3, -70}, {-11, -56}, {-19, -44}}, 8, colour);
    polyline(p, {{-1, -42}, {12, -22}, {24, -4}}, 11, colour);
    polyline(p, {{-1, -42}, {-12, -22}, {-28, -8}}, 11, colour);
}

void child(QPainter &p, const QColor &colour)
{
    disc(p, {6, -84}, 14, colour);
    polyline(p, {{3, -66}, {0, -38}}, 17, colour);
    polyline(p, {{3, -62}, {16, -50}, {24, -44}}, 9, colour);
    polyline(p, {{2, -62}, {-11, -50}, {-17, -40}}, 9, colour);
    polyline(p, {{0, -38}, {11, -20}, {20, -4}}, 12, colour);
    polyline(p, {{0, -38}, {-10, -20}, {-22, -6}}, 12, colour);
}

void bicycle(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour, 6));
    p.drawEllipse(QPointF(-29, -21), 19, 19);
    p.drawEllipse(QPointF(29, -21), 19, 19);
    p.setPen(Qt::NoPen);
    const QPointF rear(-29, -21), front(29, -21), crank(-2, -21), seat(-10, -52), head(20, -50);
    polyline(p, {rear, crank, seat, rear}, 5, colour);
    polyline(p, {seat, head, crank}, 5, colour);
    polyline(p, {head, front}, 5, colour);
    polyline(p, {head, {17, -61}, {27, -63}}, 5, colour);
    polyline(p, {{-18, -55}, {-3, -55}}, 6, colour);
}

void carSide(QPainter &p, const QColor &colour, const QColor &field)
{
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(-50, -36, 100, 26), 6, 6);
    p.setBrush(Qt::NoBrush);
    polygon(p, {{{-32, -34}, {-19, -58}, {17, -58}, {32, -34}}}, colour);
    polygon(p, {{{-25, -37}, {-16, -53}, {-3, -53}, {-3, -37}}}, field);
    polygon(p, {{{2, -37}, {2, -53}, {14, -53}, {24, -37}}}, field);
    wheel(p, {-28, -11}, 11, colour, field);
    wheel(p, {28, -11}, 11, colour, field);
}

void carRear(QPainter &p, const QColor &colour, const QColor &field)
{
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(-44, -44, 88, 32), 6, 6);
    p.drawRect(QRectF(-40, -16, 16, 16));
    p.drawRect(QRectF(24, -16, 16, 16));
    p.setBrush(Qt::NoBrush);
    polygon(p, {{{-34, -42}, {-25, -74}, {25, -74}, {34, -42}}}, colour);
    polygon(p, {{{-25, -47}, {-19, -68}, {19, -68}, {25, -47}}}, field);
    p.setBrush(field);
    p.drawRect(QRectF(-38, -38, 14, 8));
    p.drawRect(QRectF(24, -38, 14, 8));
    p.drawRect(QRectF(-12, -30, 24, 10));
    p.setBrush(Qt::NoBrush);
}

void truckSide(QPainter &p, const QColor &colour, const QColor &field)
{
    p.setBrush(colour);
    p.drawRect(QRectF(-50, -70, 64, 50));
    p.drawRect(QRectF(-50, -24, 100, 8));
    p.setBrush(Qt::NoBrush);
    polygon(p, {{{18, -20}, {18, -60}, {40, -60}, {50, -40}, {50, -20}}}, colour);
    polygon(p, {{{23, -44}, {23, -55}, {37, -55}, {43, -44}}}, field);
    wheel(p, {-34, -10}, 10, colour, field);
    wheel(p, {-12, -10}, 10, colour, field);
    wheel(p, {34, -10}, 10, colour, field);
}

void busSide(QPainter &p, const QColor &colour, const QColor &field)
{
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(-50, -66, 100, 52), 7, 7);
    p.setBrush(field);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(-44 + i * 16, -59, 12, 16));
    p.drawRect(QRectF(37, -59, 8, 36));
    p.setBrush(Qt::NoBrush);
    wheel(p, {-30, -11}, 11, colour, field);
    wheel(p, {24, -11}, 11, colour, field);
}

void horn(QPainter &p, const QColor &colour)
{
    p.setBrush(colour);
    p.drawRect(QRectF(-48, -56, 12, 12));
    p.drawRect(QRectF(-38, -53, 30, 6));
    p.drawPolygon(QPolygonF{{-10, -54}, {36, -78}, {36, -22}, {-10, -46}});
    p.drawEllipse(QPointF(38, -50), 7, 28);
    p.setBrush(Qt::NoBrush);
}

void motorcycle(QPainter &p, const QColor &colour)
{
    p.setPen(QPen(colour, 7));
    p.drawEllipse(QPointF(-32, -17), 15, 15);
    p.drawEllipse(QPointF(32, -17), 15, 15);
    p.setPen(Qt::NoPen);
    polygon(p, {{{-34, -22}, {-20, -40}, {-4, -36}, {14, -46}, {22, -38}, {8, -20}, {-12, -20}}}, colour);
    polygon(p, {{{-30, -46}, {-4, -46}, {-6, -40}, {-28, -40}}}, colour);
    polyline(p, {{32, -17}, {18, -54}, {10, -58}}, 6, colour);
}

} // namespace signparts
