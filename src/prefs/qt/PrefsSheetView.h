#pragma once

#include "prefs/PrefsSheet.h"

#include <QDialog>

class CPrefsPageView;
class QDialogButtonBox;
class QTabWidget;

// The Preferences sheet on screen: a tab per page, OK and Cancel. A page's controls are made
// when it is first shown; leaving a page, or OK, first takes its controls into its model, and a
// refused value keeps the page up.
class CPrefsSheetView : public QDialog {
    Q_OBJECT
public:
    CPrefsSheetView(CPrefsSheet& model, QWidget* parent);

    QTabWidget* GetTabs() const { return m_pTabs; }
    QDialogButtonBox* GetButtons() const { return m_pButtons; }
    // The page's view, or none while it has never been shown.
    CPrefsPageView* GetPage(int nPage) const { return m_pages[nPage]; }

    static int Show(CPrefsSheet& model, QWidget* owner);

private:
    void OnTabChanged(int nPage);
    void Activate(int nPage);
    void OnOK();

    CPrefsSheet& m_model;
    QTabWidget* m_pTabs;
    QDialogButtonBox* m_pButtons;
    CPrefsPageView* m_pages[CPrefsSheet::kPageCount] = {};
    int m_nActive = 0;
};
