#pragma once

#include <QDialog>

class CNewProjectDlg;
class QButtonGroup;
class QLineEdit;

// The New Project dialog on screen: the three project types, the main class name, OK and
// Cancel.
class CNewProjectDlgView : public QDialog {
    Q_OBJECT
public:
    CNewProjectDlgView(CNewProjectDlg& model, QWidget* parent);

    QButtonGroup* GetTypes() const { return m_pTypes; }
    QLineEdit* GetClassName() const { return m_pName; }

    static int Show(CNewProjectDlg& model, QWidget* owner);

private:
    void OnOK();

    CNewProjectDlg& m_model;
    QButtonGroup* m_pTypes;
    QLineEdit* m_pName;
};
