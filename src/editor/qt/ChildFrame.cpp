#include "ChildFrame.h"

#include "FunctionList.h"
#include "SyntaxWindowView.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

CChildFrame::CChildFrame(CDocManager& manager, CDocument& doc, bool bShowFunctionList, QWidget* parent)
    : CMDIChildWnd(manager, doc, parent), m_bShowFunctionList(bShowFunctionList)
{
}

void CChildFrame::SetSourceView(CSyntaxWindowView* view)
{
    auto* content = new QWidget;
    auto* bar = new QWidget(content);
    bar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(2, 2, 2, 2);
    m_pFunctionList = new CFunctionList(bar);
    barLayout->addWidget(m_pFunctionList);
    barLayout->addStretch();
    bar->setVisible(m_bShowFunctionList);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(view);
    content->setFocusProxy(view);

    connect(m_pFunctionList, &CFunctionList::aboutToOpen, view, &CSyntaxWindowView::RefreshFunctionList);
    connect(m_pFunctionList, &QComboBox::activated, view, &CSyntaxWindowView::GoToFunction);
    SetView(view, content);
}
