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
    if (!CTextDocument::OnSaveDocument(path))
        return false;
    CJavaProjectDoc* project = GetOpenProject();
    if (project != nullptr && GetTextModel() != nullptr)
        project->GetBreakpoints().MoveLines(path, GetTextModel()->GetMarkedLines(ELineMark::Breakpoint));
    return true;
}

bool CSyntaxWindowDoc::CanHaveBreakpoints() const
{
    return GetOpenProject() != nullptr && !GetPathName().empty();
}

bool CSyntaxWindowDoc::ToggleBreakpoint(int nLine)
{
    CJavaProjectDoc* project = GetOpenProject();
    CTextModel* text = GetTextModel();
    if (!CanHaveBreakpoints() || text == nullptr)
        return false;
    CBreakpoints& breakpoints = project->GetBreakpoints();
    breakpoints.MoveLines(GetPathName(), text->GetMarkedLines(ELineMark::Breakpoint));
    const bool bSet = breakpoints.Toggle(GetPathName(), std::clamp(nLine, 0, std::max(text->GetLineCount() - 1, 0)));
    text->SetMarkedLines(ELineMark::Breakpoint, breakpoints.LinesOf(GetPathName()));
    return bSet;
}

void CSyntaxWindowDoc::ShowProjectBreakpoints()
{
    CJavaProjectDoc* project = GetOpenProject();
    if (CTextModel* text = GetTextModel())
        text->SetMarkedLines(ELineMark::Breakpoint, project != nullptr && !GetPathName().empty()
                                                        ? project->GetBreakpoints().LinesOf(GetPathName())
                                                        : std::vector<int>());
}

void CSyntaxWindowDoc::SetCurrentLine(int nLine)
{
    if (CTextModel* text = GetTextModel())
        text->SetMarkedLines(ELineMark::CurrentLine, nLine < 0 ? std::vector<int>() : std::vector<int> {nLine});
}

int CSyntaxWindowDoc::GetCurrentLine() const
{
    const CTextModel* text = GetTextModel();
    const std::vector<int> lines = text != nullptr ? text->GetMarkedLines(ELineMark::CurrentLine) : std::vector<int>();
    return lines.empty() ? -1 : lines.front();
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
