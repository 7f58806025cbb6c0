#pragma once

#include <QDialog>

class CNewDocumentDlg;
class QListWidget;

// The New dialog on screen: the three kinds of document as large icons, OK and Cancel.
class CNewDocumentDlgView : public QDialog {
    Q_OBJECT
public:
    CNewDocumentDlgView(CNewDocumentDlg& model, QWidget* parent);

    QListWidget* GetList() const { return m_pList; }

    // Shows the dialog modally over owner; kIdOk or kIdCancel.
    static int Show(CNewDocumentDlg& model, QWidget* owner);

private:
    void OnOK();

    CNewDocumentDlg& m_model;
    QListWidget* m_pList;
};
