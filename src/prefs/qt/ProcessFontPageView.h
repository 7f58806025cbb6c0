#pragma once

#include "PrefsPageView.h"

class CProcessFontPage;
class QComboBox;
class QLineEdit;

// Page "Process Window" on screen, with its note that the window takes the font when it opens.
class CProcessFontPageView : public CPrefsPageView {
    Q_OBJECT
public:
    CProcessFontPageView(CProcessFontPage& model, QWidget* parent);

    bool OnKillActive() override;

    QComboBox* GetFontList() const { return m_pFontList; }
    QLineEdit* GetFontSize() const { return m_pFontSize; }

private:
    CProcessFontPage& m_model;
    QComboBox* m_pFontList;
    QLineEdit* m_pFontSize;
};
