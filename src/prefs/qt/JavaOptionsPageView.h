#pragma once

#include "PrefsPageView.h"

class CJavaOptionsPage;
class QLineEdit;

// Page "Java" on screen: the two default switch lines, taken as typed.
class CJavaOptionsPageView : public CPrefsPageView {
    Q_OBJECT
public:
    CJavaOptionsPageView(CJavaOptionsPage& model, QWidget* parent);

    bool OnKillActive() override;

private:
    CJavaOptionsPage& m_model;
    QLineEdit* m_pJavaOptions;
    QLineEdit* m_pJavac;
};
