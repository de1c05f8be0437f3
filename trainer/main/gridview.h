#pragma once

#include <QWidget>

class QImage;

// Shows the question grid's picture and reports the mouse over it. It paints straight
// from the grid's image, only the parts that changed, so a big picture costs nothing
// to keep on screen.
class GridView : public QWidget
{
    Q_OBJECT
public:
    explicit GridView(QWidget *parent = nullptr);
    void setImage(const QImage *image);
    QSize sizeHint() const override;

signals:
    void mouseMovedAt(int x, int y);
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const QImage *m_image = nullptr;
};
