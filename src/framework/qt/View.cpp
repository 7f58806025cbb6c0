#include "View.h"

#include "MDIChildWnd.h"

#include "framework/Document.h"

CView::CView(CDocument& doc, QWidget* parent) : QWidget(parent), m_pDocument(&doc)
{
    m_pDocument->AddObserver(this);
}

CView::~CView()
{
    DetachDocument();
}

CMDIChildWnd* CView::GetParentFrame() const
{
    for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<CMDIChildWnd*>(w))
            return frame;
    }
    return nullptr;
}

void CView::DetachDocument()
{
    if (m_pDocument != nullptr) {
        OnDocumentDetaching();
        m_pDocument->RemoveObserver(this);
        m_pDocument = nullptr;
    }
}

void CView::OnDocumentUpdate(CDocument&)
{
    OnUpdate();
}

void CView::OnDocumentTitleChanged(CDocument&)
{
    if (CMDIChildWnd* frame = GetParentFrame())
        frame->UpdateTitle();
}
