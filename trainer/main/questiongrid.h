#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <vector>

class m_sql;

// The map of the current list below the question: one numbered 40 x 30 cell per question,
// twenty to a row, coloured by the state of its answer, drawn onto a 792 x 7180 picture.
//
// A whole-grid drawing only repaints the cells whose look changed since the last one;
// the picture is the same as if everything had been cleared and drawn again.
class QuestionGrid
{
public:
    static constexpr int kWidth = 792;
    static constexpr int kHeight = 7180;
    static constexpr int kCellWidth = 40;
    static constexpr int kCellHeight = 30;
    static constexpr int kPerRow = 20;

    enum Style { Plain = 0, Hover = 1, BankCell = 3, Whole = 4, PaperCell = 5, Current = 6 };

    static const QColor kRed, kGreen, kBlue, kBlack;

    // `answerMode` is read at every drawing (1 exam, 2 practice).
    QuestionGrid(const m_sql &store, const int32_t &answerMode, QColor face);

    void DrawCell(int n, int style);

    const QImage &image() const { return m_image; }
    // The part of the picture changed since the last call, for the widget to repaint.
    QRect takeDirty();

    static QRect cellRect(int n);
    // The cell under a point of the picture; may lie beyond the list.
    static int cellAt(int x, int y);
    // Where the scroll box goes when question curNo is answered. Uses 21 per row, not
    // the grid's 20, and may be negative; the scroll box keeps it at 0 then.
    static int scrollPosition(int curNo);

    // Mouse over the picture; true when the hover timer should (re)start.
    bool mouseMove(int x, int y);
    // The hover timer ran out: the hovered cell is drawn plainly again.
    void hoverTimeout();
    // The question a click shows, 0 for none.
    int clickTarget() const;
    int hoverCell = 0;

    // Off: every whole-grid drawing clears and draws everything (tests compare both ways).
    void setPartialRedraw(bool on) { m_partial = on; }

private:
    enum Look : uint8_t { LookBlank, LookPlain, LookExam, LookWrong, LookRight, LookUnknown };

    struct Pens
    {
        QColor number;
        QColor textBack;
    };

    void drawWhole();
    void drawWholeFully();
    void repaintCellArea(int n);
    void drawCellBody(int n, int style);
    void answerColouring(int n, QColor &number);
    void frameRect(const QRect &r, QColor frame, QColor fill);
    void writeNumber(int n, QColor colour, QColor background);
    void gridLinesIn(const QRect &area);
    Look lookOf(int n) const;
    bool numbersFitCells() const;
    void markUnknown(int n);

    const m_sql &m_store;
    const int32_t &m_answerMode;
    QColor m_face;
    QImage m_image;
    QFont m_font;
    std::vector<uint8_t> m_drawn; // look of each cell since the last whole drawing
    bool m_partial = true;
    bool m_haveWhole = false;
    QRect m_dirty;
};
