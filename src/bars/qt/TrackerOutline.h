#pragma once

#include <QWidget>

// The outline drawn over the frame while a bar's sizing edge is dragged: a half-tone pattern
// one pixel inside its rectangle. It never takes the mouse.
class CTrackerOutline : public QWidget {
    Q_OBJECT
public:
    explicit CTrackerOutline(QWidget* frame);

protected:
    void paintEvent(QPaintEvent* event) override;
};
