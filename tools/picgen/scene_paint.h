#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Shared pieces of the marking, signal, dashboard and scene pictures: a road seen from
// above, painted lines, arrows, cars and lettering in a CJK font.
namespace scene {

inline const QColor kAsphalt{88, 90, 94};
inline const QColor kMarkWhite{245, 245, 240};
inline const QColor kMarkYellow{244, 190, 20};
inline const QColor kGrass{118, 160, 90};

QFont cjkFont(int pixelSize, bool bold = true);

// Grass all round, asphalt in `road`.
void paintRoad(QPainter &p, const QRectF &picture, const QRectF &road);

// A painted line from `a` to `b`; dash 0 draws it solid.
void paintLine(QPainter &p, QPointF a, QPointF b, const QColor &color, double width, double dash = 0, double gap = 0);

// A lane arrow painted on the road, pointing up, centred on `at`, `length` long.
// turn: 'S' straight, 'L' left, 'R' right, 'U' turning back; several letters combine.
void paintLaneArrow(QPainter &p, QPointF at, double length, const QString &turns, const QColor &color = kMarkWhite);

// A car seen from above, centred on `at`, heading `angle` degrees (0 = up the picture).
void paintCar(QPainter &p, QPointF at, double angle, const QColor &body, double scale = 1.0);

// A pedestrian seen from above (head and shoulders).
void paintPedestrian(QPainter &p, QPointF at, double scale = 1.0);

// Text centred in `box`.
void paintText(QPainter &p, const QRectF &box, const QString &text, int pixelSize, const QColor &color, bool bold = true);

// A vertical three-lamp signal head; lit: 'R', 'Y', 'G' or ' '. arrow draws the lamps as
// arrows pointing that way ('L', 'S', 'R'), or full discs when it is 0.
void paintSignalHead(QPainter &p, const QRectF &box, QChar lit, QChar arrow = QChar());

}
