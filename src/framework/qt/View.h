#pragma once

#include "framework/CmdTarget.h"
#include "framework/DocumentObserver.h"

#include <QWidget>

class CDocument;
class CMDIChildWnd;

// A view shows one document inside a frame; it is the first target on the command route.
class CView : public QWidget, public CCmdTarget, public CDocumentObserver {
    Q_OBJECT
public:
    CView(CDocument& doc, QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    CMDIChildWnd* GetParentFrame() const;

    // Called once the frame is shown, and whenever the document asks its views to update.
    virtual void OnInitialUpdate() { OnUpdate(); }
    virtual void OnUpdate() {}

    // The view is leaving the document, or the document is going away: forget it.
    void DetachDocument();

    void OnDocumentUpdate(CDocument& doc) override;
    void OnDocumentTitleChanged(CDocument& doc) override;
    void OnDocumentModifiedChanged(CDocument& doc) override { OnDocumentTitleChanged(doc); }

protected:
    // Runs just before the view forgets its document.
    virtual void OnDocumentDetaching() {}

private:
    CDocument* m_pDocument;
};
