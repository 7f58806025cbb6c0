#include "MarksInWindows.h"

#include "editor/TextDocument.h"
#include "framework/qt/DocManager.h"
#include "project/JavaProjectDoc.h"
#include "project/SourceMarks.h"

CMarksInWindows::~CMarksInWindows()
{
    Follow(nullptr);
}

void CMarksInWindows::Follow(CJavaProjectDoc* project)
{
    if (project == m_pProject)
        return;
    if (m_pProject != nullptr)
        m_pProject->GetSourceMarks().RemoveObserver(this);
    m_pProject = project;
    if (m_pProject != nullptr)
        m_pProject->GetSourceMarks().AddObserver(this);
}

void CMarksInWindows::OnSourceMarksChanged(const CSourceMarks& marks)
{
    for (CDocument* doc : m_docs.GetDocuments()) {
        auto* text = dynamic_cast<CTextDocument*>(doc);
        if (text == nullptr || (text->GetMarkedLines().empty() && marks.For(text->GetPathName()).empty()))
            continue;
        text->SetLineMarkers(marks.For(text->GetPathName()));
    }
}
