#pragma once

#include <QWidget>

class CDockingBar;

// The bar's gripper band with its close and toggle buttons while docked; while floating, the
// small frame's caption with the bar's title and the same two buttons. Presses it does not
// take go on to the bar, which drags it.
class CBarGripper : public QWidget {
    Q_OBJECT
public:
    explicit CBarGripper(CDockingBar& bar);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The caption's buttons while floating, in this widget's coordinates.
    QRect CaptionCloseRect() const;
    QRect CaptionToggleRect() const;
    int CaptionHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool IsCaption() const;
    QPoint ToBar(const QPoint& pt) const;

    CDockingBar& m_bar;
};
