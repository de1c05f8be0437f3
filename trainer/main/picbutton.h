#pragma once

#include <QLabel>

// A picture that acts as a button: the top-bar pictures, the answer pictures, the close
// picture and the bank logo. Clicks arrive on release inside the picture, like a button.
class PicButton : public QLabel
{
    Q_OBJECT
public:
    explicit PicButton(QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};
