#pragma once

#include <QWidget>

// One page of the Preferences sheet on screen. Its controls are made when the page is first
// shown, filled from its model's members.
class CPrefsPageView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // The controls into the model's members, checked: false, with the person told and the
    // offending field selected, while a value is refused.
    virtual bool OnKillActive() = 0;
};
