#pragma once

#include <QDialog>

class CTipOfTheDayDlg;
class QCheckBox;
class QLabel;
class QPushButton;

// The Tip of the Day dialog on screen: the picture and "Did you know..." over the tip on white,
// Next Tip, Close and the show-at-start-up box.
class CTipOfTheDayDlgView : public QDialog {
    Q_OBJECT
public:
    CTipOfTheDayDlgView(CTipOfTheDayDlg& model, QWidget* parent);

    QLabel* GetTip() const { return m_pTip; }
    QPushButton* GetNextTip() const { return m_pNext; }
    QPushButton* GetClose() const { return m_pClose; }
    QCheckBox* GetStartup() const { return m_pStartup; }

    static int Show(CTipOfTheDayDlg& model, QWidget* owner);

private:
    void OnNextTip();
    void OnClose();

    CTipOfTheDayDlg& m_model;
    QLabel* m_pTip;
    QPushButton* m_pNext;
    QPushButton* m_pClose;
    QCheckBox* m_pStartup;
};
