#pragma once

#include "editor/FindReplace.h"

#include <QDialog>
#include <QPointer>

class CTextEditView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The modeless find and replace dialog of a main window: one for the window, kept while it
// lives, acting on the text window active when a button is pressed.
class CFindReplaceDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog of the window that holds view, made when first asked for.
    static CFindReplaceDlg& Of(CTextEditView& view);

    CFindReplace& Model() { return m_model; }
    // Shows the dialog for view, with the replace fields or without, offering the selection.
    void Open(CTextEditView& view, bool bReplace);
    bool IsReplacing() const { return m_bReplace; }

    // The buttons, on the active text window.
    void FindNext();
    void Replace();
    void ReplaceAll();

private:
    explicit CFindReplaceDlg(QWidget* parent);
    CTextEditView* Target() const;
    void ShowFields();
    void ReadFields();
    void UpdateButtons();

    CFindReplace m_model;
    QPointer<CTextEditView> m_pLastView;
    bool m_bReplace = false;
    QLineEdit* m_pFind;
    QLabel* m_pReplaceLabel;
    QLineEdit* m_pReplace;
    QCheckBox* m_pWholeWord;
    QCheckBox* m_pMatchCase;
    QRadioButton* m_pUp;
    QRadioButton* m_pDown;
    QPushButton* m_pFindNext;
    QPushButton* m_pReplaceButton;
    QPushButton* m_pReplaceAll;
};
