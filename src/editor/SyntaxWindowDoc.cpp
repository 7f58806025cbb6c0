#include "SyntaxWindowDoc.h"

#include "ColourClass.h"
#include "HtmlExport.h"
#include "SourceNavigation.h"
#include "TextModel.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectHost.h"

#include <algorithm>

CJavaProjectDoc* CSyntaxWindowDoc::GetOpenProject() const
{
    return m_projects.GetOpenProject();
}

void CSyntaxWindowDoc::ScanSource()
{
    if (CTextModel* text = GetTextModel())
        m_scanner.ScanSource(text->GetAllBytes(), GetOpenProject(), GetPathName());
    else
        m_scanner.ScanSource(GetLoadedText(), GetOpenProject(), GetPathName());
    UpdateAllViews();
}

void CSyntaxWindowDoc::GoToLine(int nLine)
{
    if (CTextModel* text = GetTextModel())
        SourceNavigation::SelectLine(*text, nLine);
}

void CSyntaxWindowDoc::GoToPosition(TextPos nPos)
{
    if (CTextModel* text = GetTextModel())
        SourceNavigation::SelectLineAt(*text, nPos);
}

bool CSyntaxWindowDoc::GoToEntry(CTextModel& text, int nIndex) const
{
    const auto& positions = m_scanner.GetEntryPositions();
    if (nIndex < 0 || static_cast<std::size_t>(nIndex) >= positions.size())
        return false;
    SourceNavigation::SelectLineAt(text, positions[static_cast<std::size_t>(nIndex)]);
    return true;
}

bool CSyntaxWindowDoc::OnSaveDocument(const std::string& path)
{
    ScanSource();
    return CTextDocument::OnSaveDocument(path);
}

bool CSyntaxWindowDoc::OnOpenDocument(const std::string& path)
{
    if (!CTextDocument::OnOpenDocument(path))
        return false;
    if (const CJavaProjectDoc* project = GetOpenProject(); project != nullptr)
        SetLineMarkers(project->GetSourceMarks().For(path));
    return true;
}

void CSyntaxWindowDoc::OnCloseDocument()
{
    CJavaProjectDoc* project = GetOpenProject();
    if (project != nullptr && !IsModified() && !GetMarkedLines().empty())
        project->GetSourceMarks().Keep(GetPathName(), LineMarkersNow());
    CTextDocument::OnCloseDocument();
}
