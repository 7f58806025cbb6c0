#pragma once

#include "framework/CmdTarget.h"

#include <QMdiSubWindow>

class CDocManager;
class CDocument;
class CView;

// A document window inside the main frame, holding one view.
class CMDIChildWnd : public QMdiSubWindow, public CCmdTarget {
    Q_OBJECT
public:
    CMDIChildWnd(CDocManager& manager, CDocument& doc, QWidget* parent = nullptr);

    // Takes the view into the frame; content, when given, is what the frame shows, holding the
    // view among other parts.
    void SetView(CView* view, QWidget* content = nullptr);
    CView* GetActiveView() const { return m_pView; }
    CDocument* GetDocument() const { return m_pDocument; }
    int GetResourceId() const;

    // The document's title, numbered among its windows, with " *" while it has unsaved changes.
    void UpdateTitle();
    // The size the window opens with in an area of this size.
    virtual QSize InitialSize(const QSize& area) const { return area * 3 / 4; }
    // The document is going away: the view forgets it and the frame closes without asking.
    void DetachDocument();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CDocManager& m_manager;
    CDocument* m_pDocument;
    CView* m_pView = nullptr;
};
