#include "MDIChildWnd.h"

#include "DocManager.h"
#include "View.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"

#include <QCloseEvent>

CMDIChildWnd::CMDIChildWnd(CDocManager& manager, CDocument& doc, QWidget* parent)
    : QMdiSubWindow(parent), m_manager(manager), m_pDocument(&doc)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void CMDIChildWnd::SetView(CView* view, QWidget* content)
{
    m_pView = view;
    setWidget(content != nullptr ? content : view);
    UpdateTitle();
}

int CMDIChildWnd::GetResourceId() const
{
    if (m_pDocument == nullptr || m_pDocument->GetDocTemplate() == nullptr)
        return 0;
    return m_pDocument->GetDocTemplate()->GetResourceId();
}

void CMDIChildWnd::UpdateTitle()
{
    // Unsaved changes show as a star after the title.
    if (m_pDocument != nullptr)
        setWindowTitle(QString::fromStdString(m_manager.FrameTitle(*m_pDocument, this)) +
                       (m_pDocument->IsModified() ? " *" : ""));
}

void CMDIChildWnd::DetachDocument()
{
    if (m_pView != nullptr)
        m_pView->DetachDocument();
    m_pDocument = nullptr;
}

void CMDIChildWnd::closeEvent(QCloseEvent* event)
{
    // Closing the last window of a document closes the document, after asking to save it.
    if (m_pDocument != nullptr && !m_manager.CanCloseFrame(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
