#include "questiongrid.h"

#include "m_sql.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

const QColor QuestionGrid::kRed(255, 0, 0);
const QColor QuestionGrid::kGreen(0, 128, 0);
const QColor QuestionGrid::kBlue(0, 0, 255);
const QColor QuestionGrid::kBlack(0, 0, 0);

namespace {
constexpr int kRows = (QuestionGrid::kHeight + QuestionGrid::kCellHeight - 1) / QuestionGrid::kCellHeight;
constexpr int kCells = kRows * QuestionGrid::kPerRow;
// 13 points on a 96-dpi screen.
constexpr int kNumberPixels = 17;
}

QuestionGrid::QuestionGrid(const m_sql &store, const int32_t &answerMode, QColor face)
    : m_store(store), m_answerMode(answerMode), m_face(face),
      m_image(kWidth, kHeight, QImage::Format_RGB32), m_drawn(kCells + 1, LookUnknown)
{
    m_image.fill(m_face);
    m_font = QGuiApplication::font();
    m_font.setPixelSize(kNumberPixels);
    m_dirty = m_image.rect();
}

QRect QuestionGrid::cellRect(int n)
{
    const int c = (n - 1) % kPerRow;
    const int r = (n - 1) / kPerRow;
    return QRect(kCellWidth * c, kCellHeight * r, kCellWidth, kCellHeight);
}

int QuestionGrid::cellAt(int x, int y)
{
    return (y / kCellHeight) * kPerRow + (x / kCellWidth) + 1;
}

int QuestionGrid::scrollPosition(int curNo)
{
    return ((curNo - 1) / 21) * 30 - 35;
}

QRect QuestionGrid::takeDirty()
{
    const QRect d = m_dirty & m_image.rect();
    m_dirty = QRect();
    return d;
}

void QuestionGrid::markUnknown(int n)
{
    if (n >= 1 && n <= kCells)
        m_drawn[n] = LookUnknown;
}

void QuestionGrid::DrawCell(int n, int style)
{
    if (style == Whole) {
        drawWhole();
        return;
    }
    if (style == Current)
        drawWhole();
    if (n < 1 || n > kCells)
        return;
    drawCellBody(n, style);
    markUnknown(n);
    m_dirty |= cellRect(n);
}

// Everything a cell gets after the background: the current-cell fill, the answer colours,
// the style's own frame and the number.
void QuestionGrid::drawCellBody(int n, int style)
{
    QColor number = kBlack;
    QColor textBack = m_face;
    if (style == Current)
        frameRect(cellRect(n), kBlack, kBlue);
    answerColouring(n, number);
    switch (style) {
    case Hover: number = kBlue; break;
    case BankCell:
        number = kBlue;
        frameRect(cellRect(n), kGreen, m_face);
        break;
    case PaperCell:
        number = kBlue;
        frameRect(cellRect(n), kRed, kGreen);
        textBack = kGreen;
        break;
    default: break;
    }
    writeNumber(n, number, textBack);
}

void QuestionGrid::answerColouring(int n, QColor &number)
{
    if (n > m_store.itemCount())
        return; // beyond the list counts as unanswered
    const STR_TK &e = m_store.item(n);
    if (e.given == 0)
        return;
    if (m_answerMode == 1) {
        number = kGreen;
        frameRect(cellRect(n), kRed, kGreen);
    } else if (e.given != e.daan) {
        number = kRed;
        frameRect(cellRect(n), kGreen, kRed);
    } else {
        number = kRed;
        frameRect(cellRect(n), kRed, kGreen);
    }
}

// A one-pixel frame in `frame` around a `fill` inside, covering the rectangle exactly.
void QuestionGrid::frameRect(const QRect &r, QColor frame, QColor fill)
{
    QPainter p(&m_image);
    p.fillRect(r, frame);
    p.fillRect(r.adjusted(1, 1, -1, -1), fill);
}

void QuestionGrid::writeNumber(int n, QColor colour, QColor background)
{
    const QRect cell = cellRect(n);
    const QString text = QString::number(n);
    const QFontMetrics metrics(m_font);
    const QPoint at(cell.left() + 5, cell.top() + 5);
    QPainter p(&m_image);
    p.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), background);
    p.setFont(m_font);
    p.setPen(colour);
    p.drawText(at.x(), at.y() + metrics.ascent(), text);
}

void QuestionGrid::gridLinesIn(const QRect &area)
{
    QPainter p(&m_image);
    p.setPen(QPen(kBlack, 1));
    const QRect a = area & m_image.rect();
    const int firstRow = (a.top() + kCellHeight - 1) / kCellHeight;
    for (int y = firstRow * kCellHeight; y <= a.bottom(); y += kCellHeight)
        p.drawLine(a.left(), y, a.right(), y);
    const int firstCol = (a.left() + kCellWidth - 1) / kCellWidth;
    for (int x = firstCol * kCellWidth; x <= a.right() && x <= 800; x += kCellWidth)
        p.drawLine(x, a.top(), x, a.bottom());
}

QuestionGrid::Look QuestionGrid::lookOf(int n) const
{
    if (n > m_store.itemCount())
        return LookBlank;
    const STR_TK &e = m_store.item(n);
    if (e.given == 0)
        return LookPlain;
    if (m_answerMode == 1)
        return LookExam;
    return e.given == e.daan ? LookRight : LookWrong;
}

// Numbers are written past the cell's left edge; a repaint of one cell is only the same
// as a full drawing when no number reaches into its neighbour.
bool QuestionGrid::numbersFitCells() const
{
    const QFontMetrics metrics(m_font);
    const QRect box = metrics.boundingRect(QString::number(m_store.itemCount()));
    const int width = std::max(metrics.horizontalAdvance(QString::number(m_store.itemCount())), box.right() + 1);
    return 5 + width <= kCellWidth && 5 + metrics.height() <= kCellHeight
        && 5 + metrics.ascent() + box.bottom() < kCellHeight;
}

void QuestionGrid::drawWhole()
{
    if (!m_partial || !m_haveWhole || !numbersFitCells()) {
        drawWholeFully();
        return;
    }
    for (int n = 1; n <= kCells; ++n) {
        const Look want = lookOf(n);
        if (m_drawn[n] != want) {
            repaintCellArea(n);
            m_drawn[n] = want;
        }
    }
}

void QuestionGrid::drawWholeFully()
{
    m_image.fill(m_face);
    const int count = std::min(m_store.itemCount(), kCells);
    for (int n = 1; n <= count; ++n)
        drawCellBody(n, Plain);
    gridLinesIn(m_image.rect());
    for (int n = 1; n <= kCells; ++n)
        m_drawn[n] = lookOf(n);
    m_haveWhole = true;
    m_dirty = m_image.rect();
}

void QuestionGrid::repaintCellArea(int n)
{
    const QRect cell = cellRect(n) & m_image.rect();
    {
        QPainter p(&m_image);
        p.fillRect(cell, m_face);
    }
    if (n <= m_store.itemCount())
        drawCellBody(n, Plain);
    gridLinesIn(cell);
    m_dirty |= cell;
}

bool QuestionGrid::mouseMove(int x, int y)
{
    const int count = m_store.itemCount();
    if (hoverCell != 0 && hoverCell <= count)
        DrawCell(hoverCell, Plain);
    const int cell = cellAt(x, y);
    if (cell >= 1 && cell <= count) {
        hoverCell = cell;
        DrawCell(cell, Hover);
        return true;
    }
    return false;
}

void QuestionGrid::hoverTimeout()
{
    if (hoverCell >= 1)
        DrawCell(hoverCell, Plain);
}

int QuestionGrid::clickTarget() const
{
    return hoverCell != 0 && hoverCell <= m_store.itemCount() ? hoverCell : 0;
}
