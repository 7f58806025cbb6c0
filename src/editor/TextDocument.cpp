#include "TextDocument.h"

#include "ColourClass.h"
#include "HtmlExport.h"
#include "LineMarkerObserver.h"
#include "SourceNavigation.h"
#include "TextModel.h"

#include "framework/Archive.h"
#include "framework/DocumentObserver.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <algorithm>
#include <climits>
#include <optional>

void CTextDocument::SetTextModel(CTextModel* text)
{
    if (m_pTextModel != nullptr)
        m_pTextModel->RemoveChangeObserver(this);
    m_pTextModel = text;
    if (m_pTextModel != nullptr)
        m_pTextModel->AddChangeObserver(this);
}

void CTextDocument::OnTextChanged(TextPos)
{
    for (CDocumentObserver* observer : GetObservers())
        observer->OnDocumentChanged(*this);
}

void CTextDocument::ReplaceAllText(std::string_view bytes)
{
    if (m_pTextModel == nullptr) {
        m_strText.assign(bytes);
        return;
    }
    CTextModel& text = *m_pTextModel;
    const TextPos nCaret = text.GetSelection().nEnd;
    const int nLine = text.LineFromPosition(nCaret);
    const TextPos nColumn = nCaret - text.LineStart(nLine);
    // Replacing every line would take the breakpoints and the current-line arrow with them; the
    // person set them on line numbers, and those stay.
    const std::vector<int> breakpoints = text.GetMarkedLines(ELineMark::Breakpoint);
    const std::vector<int> currentLine = text.GetMarkedLines(ELineMark::CurrentLine);
    {
        const CUndoStep step(text);
        text.Replace(0, text.GetLength(), bytes);
    }
    text.SetMarkedLines(ELineMark::Breakpoint, breakpoints);
    text.SetMarkedLines(ELineMark::CurrentLine, currentLine);
    const int nNewLine = std::min(nLine, text.GetLineCount() - 1);
    const TextPos nPos = std::min(text.LineStart(nNewLine) + nColumn, text.LineEnd(nNewLine));
    text.SetSelection(nPos, nPos);
}

bool CTextDocument::ReloadFromFile()
{
    const FileIo::FileReadResult file = FileIo::ReadWholeFile(GetPathName());
    if (file.status != FileIo::FileStatus::Ok) {
        Ui().MessageBox(FileErrorText(file.status, FileIo::FileDirection::Reading, GetPathName()));
        return false;
    }
    ReplaceAllText(file.bytes);
    SetFileStamp(file.stamp);
    SetModifiedFlag(false);
    // The windows take what they show now as the file's state.
    const auto observers = GetObservers();
    for (CDocumentObserver* observer : observers)
        observer->OnDocumentSaved(*this);
    return true;
}

std::string CTextDocument::GetText() const
{
    return m_pTextModel != nullptr ? std::string(m_pTextModel->GetAllBytes()) : m_strText;
}

void CTextDocument::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_strText = GetText();
        ar.WriteBytes(m_strText);
    } else {
        m_strText = ar.ReadRemaining();
    }
}

void CTextDocument::SetLineMarkers(const std::vector<CLineMarker>& markers)
{
    // Without a window the lines are counted when one places the marks.
    const int nLineCount = m_pTextModel != nullptr ? m_pTextModel->GetLineCount() : INT_MAX;
    m_markedLines = SourceNavigation::MarkersByLine(markers, nLineCount);
    const auto observers = GetObservers();
    for (CDocumentObserver* observer : observers) {
        if (auto* marks = dynamic_cast<CLineMarkerObserver*>(observer))
            marks->OnLineMarkersChanged(*this);
    }
}

namespace {

std::optional<int> LineOfMarkNow(const CTextDocument& doc, std::size_t nIndex)
{
    for (CDocumentObserver* observer : doc.GetObservers()) {
        if (const auto* marks = dynamic_cast<const CLineMarkerObserver*>(observer)) {
            if (const std::optional<int> nLine = marks->LineOfMarkNow(doc, nIndex))
                return nLine;
        }
    }
    return std::nullopt;
}

}  // namespace

int CTextDocument::MarkedLineNow(int nLine) const
{
    const auto it = std::lower_bound(m_markedLines.begin(), m_markedLines.end(), nLine,
                                     [](const CLineMarker& marker, int n) { return marker.nLine < n; });
    if (it == m_markedLines.end() || it->nLine != nLine)
        return nLine;
    const std::optional<int> nNow = LineOfMarkNow(*this, static_cast<std::size_t>(it - m_markedLines.begin()));
    return nNow && *nNow >= 0 ? *nNow : nLine;
}

std::vector<CLineMarker> CTextDocument::LineMarkersNow() const
{
    std::vector<CLineMarker> marks;
    for (std::size_t i = 0; i < m_markedLines.size(); ++i) {
        CLineMarker marker = m_markedLines[i];
        if (const std::optional<int> nNow = LineOfMarkNow(*this, i)) {
            if (*nNow < 0)
                continue;
            marker.nLine = *nNow;
        }
        marks.push_back(std::move(marker));
    }
    // Edits may have joined marked lines.
    return SourceNavigation::MarkersByLine(marks, INT_MAX);
}

bool CTextDocument::ExportAsHtml(const CEditorSettings& colours)
{
    CFileDialogSpec request;
    request.title = "Export as HTML";
    request.defaultExtension = "html";
    std::string name = GetTitle();
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    // A page's own name would offer to write over the page itself.
    const bool bOwnName = name + ".html" == GetTitle();
    request.initialName = name + (bOwnName ? "-coloured.html" : ".html");
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
