#include "SyntaxWindowDoc.h"

#include "ColourClass.h"
#include "HtmlExport.h"
#include "TextModel.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"
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

bool CSyntaxWindowDoc::ExportAsHtml(const CEditorSettings& colours)
{
    CFileDialogSpec request;
    request.title = "Export as HTML";
    request.defaultExtension = "html";
    std::string name = GetTitle();
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    request.initialName = name + ".html";
    request.initialFolder = GetPathName().empty() ? std::string() : Paths::FolderOf(GetPathName());
    request.filter = "HTML Files (*.html)|*.html|All Files (*.*)|*.*||";
    request.hideReadOnly = true;
    request.promptOverwrite = true;
    const auto path = Ui().GetSaveFileName(request);
    if (!path)
        return false;
    const std::string text = GetText();
    const std::string classes = GetTextModel() != nullptr ? GetTextModel()->GetClasses(0, GetTextModel()->GetLength())
                                                          : std::string(text.size(), ColourClass::kNormal);
    const FileIo::FileStatus status =
        FileIo::WriteFileReplacing(*path, HtmlExport::MakePage(text, classes, colours, GetTitle()));
    if (status != FileIo::FileStatus::Ok) {
        Ui().MessageBox(FileErrorText(status, FileIo::FileDirection::Writing, *path));
        return false;
    }
    return true;
}
