#pragma once

// Shared pieces for drawing road signs: the sign colours, the standard outlines
// (warning triangle, prohibition ring, mandatory disc, panels), arrows, legends
// and the small figures (people, cars, bicycles) that several pictograms reuse.
//
// Every sign is drawn in "sign units": after beginSign() the origin is the centre
// of the picture and a sign of radius 100 units fills it with a small margin.
// Figures are drawn in their own 100-unit box that the caller places with
// QPainter::save/translate/scale.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <QMap>
#include <QStringList>

#include <functional>
#include <initializer_list>

namespace signparts {

// One legend of a sign family (prohibitory, mandatory, …): whether its description
// line carries a value (a speed, a height) and how it is drawn in sign units.
using Legend = std::function<void(QPainter &p, const QString &value)>;
struct LegendInfo
{
    bool needsValue;
    Legend draw;
};

// Draws "<legend> [value]" from a family's legend table; returns the problem, or an
// empty string when the picture was drawn.
QString drawLegend(QImage &picture, const QStringList &args, const QMap<QString, LegendInfo> &legends);

// Colours close to those of retro-reflective sign sheeting.
inline const QColor kRed{200, 22, 35};
inline const QColor kYellow{250, 200, 20};
inline const QColor kBlue{10, 80, 165};
inline const QColor kGreen{0, 120, 70};
inline const QColor kBlack{25, 25, 25};
inline const QColor kWhite{255, 255, 255};
inline const QColor kGrey{120, 120, 120};
inline const QColor kBackground{236, 236, 236};

// Prepares a painter on the picture: light background, antialiasing, origin in the
// centre, scaled so that the given half-extent in sign units fills the picture.
void beginSign(QPainter &p, QImage &picture, double halfExtent = 108);

// An equilateral triangle around its incircle centre.
QPolygonF equilateral(QPointF centre, double inradius, bool pointUp);

// The yellow warning triangle with its black band; returns the centre of the
// pictogram area (the centre of the inner triangle).
QPointF warningFrame(QPainter &p);
// The inverted red-edged triangle of the give-way sign, white inside.
void yieldFrame(QPainter &p);
// The red octagon of the stop sign with its white edge.
void stopFrame(QPainter &p);

// A round prohibition sign: the field (white or blue) with the red ring on top.
// Draw the field first, then the legend, then slash and ring.
void prohibitionField(QPainter &p, const QColor &field = kWhite);
void prohibitionRing(QPainter &p);
void prohibitionSlash(QPainter &p, bool backslashToo = false);
// The black-edged white disc with grey hatching of the "end of restriction" signs.
void endOfRestrictionDisc(QPainter &p);
void endOfRestrictionHatching(QPainter &p);

// The blue disc of a mandatory sign, with its thin white edge.
void mandatoryDisc(QPainter &p);
// A rectangular panel with rounded corners and a white inner edge line.
void panel(QPainter &p, const QRectF &r, const QColor &fill, const QColor &edge = kWhite);

// Fills a thick arrow along the centre line `shaft`; the head starts where the
// shaft ends and points along the shaft's last direction.
void fillArrow(QPainter &p, const QPainterPath &shaft, double width, const QColor &colour,
               double headScale = 1.0);
// Only the head, at `base`, pointing along `angleDegrees` (Qt convention:
// counter-clockwise from 3 o'clock).
void fillArrowHead(QPainter &p, QPointF base, double angleDegrees, double width, const QColor &colour,
                   double headScale = 1.0);

// Fills `text` scaled to fit `box` (keeping its proportions), centred in it.
// `weight` thickens the strokes by outlining them in the same colour.
void fillText(QPainter &p, const QRectF &box, const QString &text, const QColor &colour, double weight = 0);
// Like fillText, but the text keeps the given cap height instead of filling the box.
void fillTextHeight(QPainter &p, QPointF centre, double height, const QString &text, const QColor &colour,
                    double weight = 0);

// Direction arrows of turn restrictions and mandatory directions, drawn around the
// origin within a radius of about 70 units; `directions` combines the flags below.
enum Direction { Straight = 1, TurnLeft = 2, TurnRight = 4 };
void directionArrows(QPainter &p, int directions, const QColor &colour, double width);
// The U-turn arrow: up on the right, round and back down on the left.
void uTurnArrow(QPainter &p, const QColor &colour, double width);

// Figures in a 100-unit box: x from -50 to 50, y from -100 (top) to 0 (ground).
void walker(QPainter &p, const QColor &colour);
void child(QPainter &p, const QColor &colour);
void bicycle(QPainter &p, const QColor &colour);
// Cars and lorries take the colour of the sign field for their windows and wheel rims.
void carSide(QPainter &p, const QColor &colour, const QColor &field);
void carRear(QPainter &p, const QColor &colour, const QColor &field);
void truckSide(QPainter &p, const QColor &colour, const QColor &field);
void busSide(QPainter &p, const QColor &colour, const QColor &field);
void horn(QPainter &p, const QColor &colour);
void motorcycle(QPainter &p, const QColor &colour);

// Places a figure: draws `figure` scaled by `scale` with its ground centre at `foot`.
void place(QPainter &p, QPointF foot, double scale, const std::function<void(QPainter &)> &figure);
// Mirrors a figure left to right (for figures that face the other way).
void placeMirrored(QPainter &p, QPointF foot, double scale, const std::function<void(QPainter &)> &figure);

// A round-capped stroke through the given points.
void polyline(QPainter &p, std::initializer_list<QPointF> points, double width, const QColor &colour,
              Qt::PenCapStyle cap = Qt::RoundCap);

} // namespace signparts
