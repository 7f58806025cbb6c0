#pragma once

#include <QDialog>

class CArgumentsDlg;
class QLineEdit;

// The Arguments dialog on screen: a prompt, the argument text, OK (the default) and Cancel.
class CArgumentsDlgQt : public QDialog {
public:
    explicit CArgumentsDlgQt(QWidget* parent = nullptr);

    QLineEdit* ArgumentsEdit() const { return m_pEdit; }

    // Shows the dialog modally over owner; kIdOk or kIdCancel.
    static int Show(CArgumentsDlg& dialog, QWidget* owner);

private:
    QLineEdit* m_pEdit;
};
