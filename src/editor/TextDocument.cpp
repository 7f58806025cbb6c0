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

#include <climits>

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
