#pragma once

#include <QDialog>

class CAboutDlg;
class QPushButton;

// The About box on screen: the picture beside the name, version and web address, the
// "Visit Web Site" button and OK.
class CAboutDlgView : public QDialog {
    Q_OBJECT
public:
    CAboutDlgView(CAboutDlg& model, QWidget* parent);

    QPushButton* GetVisitWebSite() const { return m_pVisit; }

    static int Show(CAboutDlg& model, QWidget* owner);

private:
    CAboutDlg& m_model;
    QPushButton* m_pVisit;
};
