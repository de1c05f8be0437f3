// Draws the main window's default pictures (top bar, answer buttons, close, bank logo)
// and the question area's mark pictures. Everything is drawn here so the pictures share
// one palette and one font, and can be regenerated whenever the look changes.
//
//   uiart <layout-dir> <data-dir>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>

namespace {

const QColor kNavy(0x16, 0x3d, 0x6b);
const QColor kBlue(0x2a, 0x6f, 0xc0);
const QColor kSky(0x5d, 0x9c, 0xe6);
const QColor kGreen(0x2e, 0x9d, 0x5b);
const QColor kRed(0xd9, 0x3b, 0x3b);
const QColor kAmber(0xf0, 0xa0, 0x20);
const QColor kInk(0x22, 0x2b, 0x36);

QFont cjkFont(int pixels, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

using Icon = std::function<void(QPainter &, const QRectF &)>;

// A top-bar tile: a rounded gradient square, a white icon and the Chinese name below it.
QImage tile(int w, int h, const QString &name, const Icon &icon)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2.5, 2.5, w - 5, h - 5);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, kSky);
    g.setColorAt(1, kBlue);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(box, 12, 12);
    const QRectF iconBox(w / 2.0 - 17, 9, 34, 34);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    icon(p, iconBox);
    p.setFont(cjkFont(14, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(0, h - 28, w, 22), Qt::AlignCenter, name);
    return img;
}

void listIcon(QPainter &p, const QRectF &r)
{
    for (int i = 0; i < 3; ++i) {
        const double y = r.top() + 7 + i * 10;
        p.drawPoint(QPointF(r.left() + 4, y));
        p.drawLine(QPointF(r.left() + 11, y), QPointF(r.right() - 2, y));
    }
}

void playIcon(QPainter &p, const QRectF &r)
{
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    QPainterPath tri;
    tri.moveTo(r.center() + QPointF(-5, -8));
    tri.lineTo(r.center() + QPointF(9, 0));
    tri.lineTo(r.center() + QPointF(-5, 8));
    tri.closeSubpath();
    p.fillPath(tri, Qt::white);
}

void warnIcon(QPainter &p, const QRectF &r)
{
    QPainterPath tri;
    tri.moveTo(r.center().x(), r.top() + 2);
    tri.lineTo(r.right() - 1, r.bottom() - 3);
    tri.lineTo(r.left() + 1, r.bottom() - 3);
    tri.closeSubpath();
    p.drawPath(tri);
    p.drawLine(QPointF(r.center().x(), r.top() + 13), QPointF(r.center().x(), r.bottom() - 13));
    p.drawPoint(QPointF(r.center().x(), r.bottom() - 8));
}

void clockIcon(QPainter &p, const QRectF &r)
{
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.drawLine(r.center(), r.center() + QPointF(0, -10));
    p.drawLine(r.center(), r.center() + QPointF(7, 4));
}

void crossIcon(QPainter &p, const QRectF &r)
{
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.drawLine(r.center() + QPointF(-7, -7), r.center() + QPointF(7, 7));
    p.drawLine(r.center() + QPointF(7, -7), r.center() + QPointF(-7, 7));
}

void bookIcon(QPainter &p, const QRectF &r)
{
    const QPointF c(r.center().x(), r.top() + 6);
    p.drawLine(c, QPointF(c.x(), r.bottom() - 3));
    p.drawPolyline(QPolygonF({c, QPointF(r.left() + 1, r.top() + 3), QPointF(r.left() + 1, r.bottom() - 6),
                              QPointF(c.x(), r.bottom() - 3), QPointF(r.right() - 1, r.bottom() - 6),
                              QPointF(r.right() - 1, r.top() + 3), c}));
}

void chartIcon(QPainter &p, const QRectF &r)
{
    p.drawLine(QPointF(r.left() + 2, r.bottom() - 2), QPointF(r.right() - 2, r.bottom() - 2));
    const double heights[] = {10, 20, 15, 27};
    for (int i = 0; i < 4; ++i) {
        const double x = r.left() + 7 + i * 7;
        p.drawLine(QPointF(x, r.bottom() - 6), QPointF(x, r.bottom() - 6 - heights[i]));
    }
}

void gearIcon(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    for (int i = 0; i < 8; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 45);
        p.drawLine(QPointF(0, -11), QPointF(0, -16));
        p.restore();
    }
    p.drawEllipse(c, 11, 11);
    p.drawEllipse(c, 4, 4);
}

void infoIcon(QPainter &p, const QRectF &r)
{
    p.drawEllipse(r.adjusted(2, 2, -2, -2));
    p.drawPoint(r.center() + QPointF(0, -8));
    p.drawLine(r.center() + QPointF(0, -2), r.center() + QPointF(0, 9));
}

QImage closeButton()
{
    QImage img = canvas(43, 43);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(8, 8, 27, 27));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 16), QPointF(27, 27));
    p.drawLine(QPointF(27, 16), QPointF(16, 27));
    return img;
}

// An answer button; `marked` is the look of the chosen answer.
QImage answerButton(const QString &label, QColor colour, bool marked)
{
    QImage img = canvas(59, 45);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2, 2, 55, 41);
    p.setPen(QPen(colour, 2.5));
    p.setBrush(marked ? colour : QColor(Qt::white));
    p.drawRoundedRect(box, 9, 9);
    p.setPen(marked ? QColor(Qt::white) : colour);
    p.setFont(cjkFont(26, true));
    p.drawText(box, Qt::AlignCenter, label);
    return img;
}

// The mark beside practice feedback: a disc with a tick, an exclamation mark or a cross.
QImage mark(QColor colour, char kind)
{
    QImage img = canvas(137, 131);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(14, 11, 109, 109));
    p.setPen(QPen(Qt::white, 13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (kind == 'v') {
        p.drawPolyline(QPolygonF({QPointF(42, 67), QPointF(61, 87), QPointF(97, 44)}));
    } else if (kind == '!') {
        p.drawLine(QPointF(68.5, 35), QPointF(68.5, 75));
        p.drawPoint(QPointF(68.5, 96));
    } else {
        p.drawLine(QPointF(46, 43), QPointF(91, 88));
        p.drawLine(QPointF(91, 43), QPointF(46, 88));
    }
    return img;
}

QImage defaultLogo()
{
    QImage img = canvas(142, 132);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 132);
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xfc));
    g.setColorAt(1, QColor(0xdd, 0xe8, 0xf5));
    p.setPen(QPen(kSky, 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(3, 3, 136, 126), 12, 12);
    p.setPen(QPen(kBlue, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(71, 46), 24, 24);
    p.drawLine(QPointF(71, 46), QPointF(71, 22));
    p.drawLine(QPointF(71, 46), QPointF(50, 58));
    p.drawLine(QPointF(71, 46), QPointF(92, 58));
    p.setPen(kNavy);
    p.setFont(cjkFont(17, true));
    p.drawText(QRectF(0, 78, 142, 24), Qt::AlignCenter, QStringLiteral("Veltaro"));
    p.setPen(kInk);
    p.setFont(cjkFont(13));
    p.drawText(QRectF(0, 100, 142, 22), Qt::AlignCenter, QStringLiteral("驾考理论练习"));
    return img;
}

bool save(const QImage &img, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    if (img.save(path))
        return true;
    std::fprintf(stderr, "uiart: cannot write %s\n", qPrintable(path));
    return false;
}

bool drawLayout(const QString &dir)
{
    struct Tile { const char *file; const char *name; int w, h; Icon icon; };
    const Tile tiles[] = {
        {"sunxu.png", "顺序练习", 77, 77, listIcon},   {"chuji.png", "初步练习", 82, 80, playIcon},
        {"nanti.png", "难题练习", 77, 77, warnIcon},   {"kaoshi.png", "模拟考试", 77, 77, clockIcon},
        {"cuowuji.png", "错误集", 77, 77, crossIcon}, {"tiku.png", "题库", 77, 77, bookIcon},
        {"lishi.png", "历史", 77, 77, chartIcon},      {"shezhi.png", "设置", 77, 77, gearIcon},
        {"guanyu.png", "关于", 77, 77, infoIcon},
    };
    bool ok = true;
    for (const Tile &t : tiles)
        ok &= save(tile(t.w, t.h, QString::fromUtf8(t.name), t.icon), dir, QLatin1String(t.file));
    ok &= save(closeButton(), dir, QStringLiteral("close.png"));
    struct Answer { const char *file; const char *label; QColor colour; };
    const Answer answers[] = {
        {"a", "A", kBlue}, {"b", "B", kBlue}, {"c", "C", kBlue}, {"d", "D", kBlue},
        {"dui", "对", kGreen}, {"cuo", "错", kRed},
    };
    for (const Answer &a : answers) {
        const QString label = QString::fromUtf8(a.label);
        ok &= save(answerButton(label, a.colour, false), dir, QLatin1String(a.file) + QStringLiteral(".png"));
        ok &= save(answerButton(label, a.colour, true), dir, QLatin1String(a.file) + QStringLiteral("0.png"));
    }
    ok &= save(mark(kGreen, 'v'), dir, QStringLiteral("select.png"));
    ok &= save(defaultLogo(), dir, QStringLiteral("logo.png"));
    return ok;
}

bool drawData(const QString &dir)
{
    bool ok = save(mark(kGreen, 'v'), dir, QStringLiteral("select.png"));
    ok &= save(mark(kAmber, '!'), dir, QStringLiteral("gantan.png"));
    ok &= save(mark(kRed, 'x'), dir, QStringLiteral("fileclose.png"));
    // The question page hides this placeholder; it only has to be a valid picture.
    QImage blank(16, 16, QImage::Format_RGB32);
    blank.fill(Qt::white);
    ok &= save(blank, dir, QStringLiteral("imgnull.jpg"));
    return ok;
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: uiart <layout-dir> <data-dir>\n");
        return 2;
    }
    const QString layoutDir = QString::fromLocal8Bit(argv[1]);
    const QString dataDir = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(layoutDir);
    QDir().mkpath(dataDir);
    return drawLayout(layoutDir) && drawData(dataDir) ? 0 : 1;
}
