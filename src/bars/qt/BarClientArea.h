#pragma once

#include <QWidget>

class CDockingBar;

// The bar's window below or beside its gripper: the plain borders and the sizing edge around
// the client area, which the bar's child fills.
class CBarClientArea : public QWidget {
    Q_OBJECT
public:
    explicit CBarClientArea(CDockingBar& bar);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Puts the child over the client area of the bar's layout.
    void PlaceChild();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint ToBar(const QPoint& pt) const;
    // Over the client area where the child does not cover it.
    bool IsBareClient(const QPoint& pt) const;

    CDockingBar& m_bar;
};
