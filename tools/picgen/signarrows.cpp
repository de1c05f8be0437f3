// Direction arrows shared by the turn restrictions and the mandatory direction signs.
#include "signparts.h"

namespace signparts {

namespace {

QPainterPath turnPath(double stemX, double bendY, bool left, double reach)
{
    const double side = left ? -1 : 1;
    QPainterPath path({stemX, 66});
    path.lineTo(stemX, bendY + 22);
    path.quadTo(stemX, bendY, stemX + side * 22, bendY);
    path.lineTo(stemX + side * reach, bendY);
    return path;
}

}

void directionArrows(QPainter &p, int directions, const QColor &colour, double width)
{
    const bool straight = directions & Straight;
    const bool left = directions & TurnLeft;
    const bool right = directions & TurnRight;
    // A lone turn shifts its stem to the opposite side so the whole arrow stays centred.
    double stemX = 0;
    if (left && !right && !straight)
        stemX = 14;
    else if (right && !left && !straight)
        stemX = -14;
    if (straight) {
        QPainterPath up({stemX, 66});
        up.lineTo(stemX, -36);
        fillArrow(p, up, width, colour);
    }
    const double bendY = straight ? 4 : -14;
    const double reach = straight || (left && right) ? 36 : 34;
    if (left)
        fillArrow(p, turnPath(stemX, bendY, true, reach), width, colour);
    if (right)
        fillArrow(p, turnPath(stemX, bendY, false, reach), width, colour);
}

void uTurnArrow(QPainter &p, const QColor &colour, double width)
{
    QPainterPath path({20, 64});
    path.lineTo(20, -14);
    path.arcTo(QRectF(-24, -36, 44, 44), 0, 180);
    path.lineTo(-24, 4);
    fillArrow(p, path, width, colour);
}

} // namespace signparts
