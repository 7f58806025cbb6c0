#pragma once

#include "framework/qt/MDIChildWnd.h"

class CFunctionList;
class CSyntaxWindowView;

// The frame of a Java source window: a bar of fixed size at the top holding the function
// drop-down, hidden unless the settings show it, and the text below it.
class CChildFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    CChildFrame(CDocManager& manager, CDocument& doc, bool bShowFunctionList, QWidget* parent = nullptr);

    // Takes the view in below the bar; the drop-down's choices go to it.
    void SetSourceView(CSyntaxWindowView* view);
    // The drop-down, present also while its bar is hidden.
    CFunctionList* GetFunctionList() const { return m_pFunctionList; }
    bool IsFunctionBarShown() const { return m_bShowFunctionList; }

private:
    bool m_bShowFunctionList;
    CFunctionList* m_pFunctionList = nullptr;
};
