#include "SyntaxWindowDoc.h"

#include "TextModel.h"

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
}

void CSyntaxWindowDoc::GoToLine(int nLine)
{
    CTextModel* text = GetTextModel();
    if (text == nullptr)
        return;
    const int nTarget = std::clamp(nLine, 0, text->GetLineCount() - 1);
    text->SetSelection(text->LineStart(nTarget), text->LineEnd(nTarget));
}

void CSyntaxWindowDoc::GoToPosition(TextPos nPos)
{
    if (CTextModel* text = GetTextModel())
        GoToLine(text->LineFromPosition(std::clamp<TextPos>(nPos, 0, text->GetLength())));
}

bool CSyntaxWindowDoc::OnSaveDocument(const std::string& path)
{
    ScanSource();
    return CTextDocument::OnSaveDocument(path);
}
