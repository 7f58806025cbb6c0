#include "LiveHTMLView.h"

#include "editor/HtmlEditing.h"
#include "editor/LiveEditorDoc.h"
#include "editor/SourceEditing.h"
#include "editor/TextModel.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DesktopShell.h"
#include "framework/Ui.h"
#include "project/JavaProjectDoc.h"
#include "run/ProjectRunCommands.h"

#include <Qsci/qsciscintilla.h>

namespace {

using Sci = QsciScintillaBase;

}  // namespace

CLiveHTMLView::CLiveHTMLView(CLiveEditorDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                             QWidget* parent)
    : CLiveEditorView(doc, settings, shell, EColouring::Html, parent)
{
    const auto bProjectOpen = [this](CCmdUI& ui) {
        ui.Enable(GetLiveDocument() != nullptr && GetLiveDocument()->GetOpenProject() != nullptr);
    };
    OnCommand(Cmd::ID_HTML_INSERTAPPLET, [this] { OnInsertApplet(); });
    OnUpdateUI(Cmd::ID_HTML_INSERTAPPLET, bProjectOpen);
    OnCommand(Cmd::ID_HTML_OPENINBROWSER, [this] { OnOpenInBrowser(); });
    OnCommand(Cmd::ID_HTML_RUNAPPLET, [this] { OnRunApplet(); });
    OnUpdateUI(Cmd::ID_HTML_RUNAPPLET, bProjectOpen);
}

CLiveEditorDoc* CLiveHTMLView::GetLiveDocument() const
{
    return static_cast<CLiveEditorDoc*>(GetDocument());
}

void CLiveHTMLView::OnInitialUpdate()
{
    CLiveEditorView::OnInitialUpdate();
    GetEditor()->SendScintilla(Sci::SCI_SETWRAPMODE, static_cast<unsigned long>(Sci::SC_WRAP_NONE));
}

void CLiveHTMLView::OnInsertApplet()
{
    CLiveEditorDoc* doc = GetLiveDocument();
    CJavaProjectDoc* project = doc != nullptr ? doc->GetOpenProject() : nullptr;
    if (project == nullptr)
        return;
    if (project->GetMainJavaFile().empty()) {
        doc->GetUi().MessageBox("Please set the applet class as main.");
        return;
    }
    // The page's own line break, so the page keeps one kind; in a page of one line, the one
    // Enter puts in.
    CTextModel& text = GetTextModel();
    std::string lineBreak(text.GetBytes(text.LineEnd(0), text.GetLineCount() > 1 ? text.LineStart(1) : 0));
    if (lineBreak.empty()) {
        const QsciScintilla::EolMode mode = GetEditor()->eolMode();
        lineBreak = mode == QsciScintilla::EolWindows ? "\r\n" : mode == QsciScintilla::EolMac ? "\r" : "\n";
    }
    SourceEditing::ReplaceAsTyped(text, text.GetSelection(), HtmlEditing::AppletTag(project->GetMainJavaFile(), lineBreak));
    OnSyntaxColourUpdate();
}

void CLiveHTMLView::OnOpenInBrowser()
{
    CLiveEditorDoc* doc = GetLiveDocument();
    if (doc == nullptr)
        return;
    // A page never saved has no path the browser could open.
    if (doc->GetPathName().empty()) {
        doc->GetUi().MessageBox("Please save the file (path unreadable).");
        return;
    }
    GetShell().Open(doc->GetPathName());
}

void CLiveHTMLView::OnRunApplet()
{
    CLiveEditorDoc* doc = GetLiveDocument();
    CJavaProjectDoc* project = doc != nullptr ? doc->GetOpenProject() : nullptr;
    if (project == nullptr)
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(*project))
        commands->RunApplet(doc->GetPathName());
}
