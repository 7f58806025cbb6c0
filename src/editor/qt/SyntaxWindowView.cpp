#include "SyntaxWindowView.h"

#include "ChildFrame.h"
#include "FunctionList.h"
#include "SourceMargins.h"

#include "editor/SourceEditing.h"
#include "editor/SourceNavigation.h"
#include "editor/JdkHelp.h"
#include "editor/SyntaxWindowDoc.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "project/JavaProjectDoc.h"
#include "run/ProjectRunCommands.h"

#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

}  // namespace

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                                     QWidget* parent)
    : CLiveEditorView(doc, settings, shell, EColouring::Java, parent)
{
    OnCommand(Cmd::ID_BUILD_COMPILE, [this] { OnCompile(); });
    OnCommand(Cmd::ID_EDIT_TABSTOSPACES, [this] { OnConvert(&SourceEditing::ConvertTabsToSpaces); });
    OnCommand(Cmd::ID_PROJECT_ADDWINDOW, [this] { OnAddWindowToProject(); });
    OnUpdateUI(Cmd::ID_PROJECT_ADDWINDOW, [this](CCmdUI& ui) {
        ui.Enable(GetSyntaxDocument() != nullptr && GetSyntaxDocument()->GetOpenProject() != nullptr);
    });
    OnCommand(Cmd::ID_EDIT_REFRESHFUNCTIONS, [this] { RefreshFunctionList(); });
    OnCommand(Cmd::ID_HELP_JDKHELP, [this] { OnJdkHelp(); });
    OnCommand(Cmd::ID_DEBUG_TOGGLEBREAKPOINT, [this] {
        if (CSyntaxWindowDoc* source = GetSyntaxDocument())
            source->ToggleBreakpoint(CaretLine());
    });
    OnUpdateUI(Cmd::ID_DEBUG_TOGGLEBREAKPOINT, [this](CCmdUI& ui) {
        ui.Enable(GetSyntaxDocument() != nullptr && GetSyntaxDocument()->CanHaveBreakpoints());
    });
    // A click in the symbol margin sets or clears the breakpoint of the line beside it.
    GetEditor()->SendScintilla(Sci::SCI_SETMARGINSENSITIVEN, CSourceMargins::kSymbolMargin, 1L);
    GetEditor()->SendScintilla(Sci::SCI_SETMARGINCURSORN, CSourceMargins::kSymbolMargin,
                               static_cast<long>(Sci::SC_CURSORARROW));
    connect(GetEditor(), &QsciScintilla::marginClicked, this, [this](int nMargin, int nLine, Qt::KeyboardModifiers) {
        CSyntaxWindowDoc* source = GetSyntaxDocument();
        if (nMargin == CSourceMargins::kSymbolMargin && source != nullptr)
            source->ToggleBreakpoint(nLine);
    });
}

int CSyntaxWindowView::CaretLine() const
{
    return GetTextModel().LineFromPosition(GetEditor()->SendScintilla(Sci::SCI_GETCURRENTPOS));
}

CSyntaxWindowDoc* CSyntaxWindowView::GetSyntaxDocument() const
{
    return static_cast<CSyntaxWindowDoc*>(GetDocument());
}

void CSyntaxWindowView::OnInitialUpdate()
{
    const bool bFirstWindow = GetSyntaxDocument() != nullptr && GetSyntaxDocument()->GetTextModel() == nullptr;
    CLiveEditorView::OnInitialUpdate();
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    // A further window shows the marks of the text it shares.
    if (bFirstWindow)
        doc->ShowProjectBreakpoints();
    doc->ScanSource();
    // Long lines wrap at the window's width.
    GetEditor()->SendScintilla(Sci::SCI_SETWRAPMODE, static_cast<unsigned long>(Sci::SC_WRAP_WORD));
}

void CSyntaxWindowView::OnCompile()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    CJavaProjectDoc* project = doc != nullptr ? doc->GetOpenProject() : nullptr;
    if (project == nullptr)
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(*project))
        commands->CompileSourceWindow(doc->GetPathName());
}

std::string CSyntaxWindowView::TabUnit() const
{
    const bool bSpaceTabs = m_spaceTabs ? m_spaceTabs() : GetSettings().nSpaceTabs != 0;
    return SourceEditing::TabUnit(GetSettings().nTabWidth, bSpaceTabs);
}

void CSyntaxWindowView::OnAddWindowToProject()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    if (doc->GetPathName().empty()) {
        doc->SetModifiedFlag();
        doc->GetUi().MessageBox("Please save the document first");
        return;
    }
    CJavaProjectDoc* project = doc->GetOpenProject();
    if (project == nullptr)
        return;
    project->AddJavaFile(doc->GetPathName());
    project->SetModifiedFlag();
    // The scan fills the new entry's classes, which the project's views then show.
    doc->ScanSource();
    project->RefreshViews();
}

void CSyntaxWindowView::OnUpdate()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    auto* frame = qobject_cast<CChildFrame*>(GetParentFrame());
    if (doc == nullptr || frame == nullptr || frame->GetFunctionList() == nullptr)
        return;
    CFunctionList* list = frame->GetFunctionList();
    list->clear();
    for (const std::string& entry : doc->GetScanner().GetEntries())
        list->addItem(QString::fromStdString(entry));
    ShowCaretEntry();
}

void CSyntaxWindowView::OnCaretMoved()
{
    CLiveEditorView::OnCaretMoved();
    ShowCaretEntry();
}

void CSyntaxWindowView::ShowCaretEntry()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    auto* frame = qobject_cast<CChildFrame*>(GetParentFrame());
    if (doc == nullptr || frame == nullptr || frame->GetFunctionList() == nullptr)
        return;
    CTextModel& text = GetTextModel();
    const TextPos nCaret = GetEditor()->SendScintilla(Sci::SCI_GETCURRENTPOS);
    int nIndex = SourceNavigation::EntryAbove(doc->GetScanner().GetEntryPositions(),
                                              text.LineEnd(text.LineFromPosition(nCaret)));
    CFunctionList* list = frame->GetFunctionList();
    if (nIndex >= list->count())
        nIndex = -1;
    if (list->currentIndex() != nIndex)
        list->setCurrentIndex(nIndex);
}

void CSyntaxWindowView::RefreshFunctionList()
{
    if (CSyntaxWindowDoc* doc = GetSyntaxDocument(); doc != nullptr && GetParentFrame() != nullptr)
        doc->ScanSource();
}

void CSyntaxWindowView::GoToFunction(int nIndex)
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr || !doc->GoToEntry(GetTextModel(), nIndex))
        return;
    GetEditor()->setFocus();
}

void CSyntaxWindowView::SetFontCommand(std::function<void()> showFontSettings)
{
    OnCommand(Cmd::ID_VIEW_SOURCEFONT, std::move(showFontSettings));
}

void CSyntaxWindowView::OnJdkHelp()
{
    CSyntaxWindowDoc* doc = GetSyntaxDocument();
    if (doc == nullptr)
        return;
    const CTextRange selection = GetTextModel().GetSelection();
    const std::string selected(
        GetTextModel().GetBytes(std::min(selection.nStart, selection.nEnd), std::max(selection.nStart, selection.nEnd)));
    JdkHelp::Show(doc->GetUi(), GetShell(), m_helpPath ? m_helpPath() : GetSettings().strHelpPath, selected);
}
