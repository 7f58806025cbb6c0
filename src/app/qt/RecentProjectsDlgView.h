#pragma once

#include <QDialog>

class CRecentProjectsDlg;
class QListWidget;

// The Recent Projects dialog on screen: the list, OK, Cancel and Remove.
class CRecentProjectsDlgView : public QDialog {
    Q_OBJECT
public:
    CRecentProjectsDlgView(CRecentProjectsDlg& model, QWidget* parent);

    QListWidget* GetList() const { return m_pList; }

    static int Show(CRecentProjectsDlg& model, QWidget* owner);

private:
    // The selected line, or -1.
    int SelectedLine() const;
    void Fill();
    void OnOK();
    void OnRemove();

    CRecentProjectsDlg& m_model;
    QListWidget* m_pList;
};
