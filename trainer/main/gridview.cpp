#include "gridview.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

GridView::GridView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridView::setImage(const QImage *image)
{
    m_image = image;
    update();
}

QSize GridView::sizeHint() const
{
    return m_image ? m_image->size() : QSize(792, 7180);
}

void GridView::paintEvent(QPaintEvent *event)
{
    if (!m_image)
        return;
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r.topLeft(), *m_image, r);
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMovedAt(at.x(), at.y());
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
