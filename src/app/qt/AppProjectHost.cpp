#include "AppProjectHost.h"

#include "MainFrame.h"
#include "QuarnelApp.h"

#include "debug/ProjectDebugCommands.h"
#include "debug/qt/DebugWindowsQt.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/TextEditView.h"
#include "framework/qt/MDIChildWnd.h"
#include "projectwindow/qt/ProjectWindowsQt.h"
#include "run/ProjectRunCommands.h"

CAppProjectHost::CAppProjectHost(CQuarnelApp& app) : m_app(app), m_marksInWindows(app.GetDocManager()) {}

void CAppProjectHost::SetOpenProject(CJavaProjectDoc* project)
{
    m_pOpenProject = project;
    m_marksInWindows.Follow(project);
}

CUi& CAppProjectHost::GetUi()
{
    return m_app.GetUi();
}

std::string CAppProjectHost::GetDefaultJavaOptions() const
{
    return m_app.Settings().m_strJavaOptions;
}

std::string CAppProjectHost::GetDefaultJavacSwitches() const
{
    return m_app.Settings().m_strJavac;
}

std::string CAppProjectHost::GetJavaBin() const
{
    return m_app.Settings().m_strJavaBin;
}

void CAppProjectHost::AddRecentProject(const std::string& path)
{
    m_app.Settings().AddRecentProject(path);
}

void CAppProjectHost::SaveRecentProjects(const std::string& path)
{
    m_app.Settings().SaveRecentProjects(path);
}

void CAppProjectHost::OpenDocumentAtLine(const std::string& path, int nLine)
{
    if (auto* source = dynamic_cast<CSyntaxWindowDoc*>(m_app.OpenDocumentFile(path))) {
        // A line the last compile marked is where its mark went with the edits since.
        source->GoToLine(source->MarkedLineNow(nLine));
        FocusTextOf(*source);
    }
}

void CAppProjectHost::FocusTextOf(CDocument& doc)
{
    const auto* text = dynamic_cast<CTextDocument*>(&doc);
    for (CMDIChildWnd* frame : m_app.GetDocManager().FramesOf(doc)) {
        auto* view = dynamic_cast<CTextEditView*>(frame->GetActiveView());
        if (view != nullptr && (text == nullptr || text->GetTextModel() == &view->GetTextModel())) {
            view->FocusSelection();
            return;
        }
    }
}

std::unique_ptr<CProjectWindows> CAppProjectHost::MakeProjectWindows(CJavaProjectDoc& project)
{
    // The main frame is made before any document and outlives every one.
    if (m_app.GetMainFrame() == nullptr)
        return nullptr;
    return std::make_unique<CProjectWindowsQt>(*m_app.GetMainFrame(), project, *this, *this);
}

std::unique_ptr<CCmdTarget> CAppProjectHost::MakeProjectCommands(CJavaProjectDoc& project)
{
    // The debugger shows itself in the main frame's windows; without them, Debug is jdb's.
    if (m_app.GetMainFrame() == nullptr)
        return std::make_unique<CProjectRunCommands>(project, m_app.GetCapturedRun(), *this);
    return std::make_unique<CProjectDebugCommands>(
        project, m_app.GetCapturedRun(), *this,
        std::make_unique<CDebugWindowsQt>(*m_app.GetMainFrame(), m_app.GetDocManager(), m_app.GetCapturedRun()));
}

std::string CAppProjectHost::GetJavacSwitches() const
{
    return m_app.Settings().m_strJavac;
}

bool CAppProjectHost::SaveBeforeCompiling() const
{
    return m_app.Settings().m_nSaveComp != 0;
}

bool CAppProjectHost::AskForArguments() const
{
    return m_app.Settings().m_nShowArgs != 0;
}

void CAppProjectHost::SaveAll()
{
    m_app.GetDocManager().SaveAllByType();
}

void CAppProjectHost::SetProcessCaption(const std::string& caption)
{
    m_app.m_strProcessCaption = caption;
}

std::string CAppProjectHost::GetProcessCaption() const
{
    return m_app.m_strProcessCaption;
}

std::string CAppProjectHost::GetProgramFolder() const
{
    return m_app.GetProgramFolder();
}

std::string CAppProjectHost::GetProcessFontName() const
{
    return m_app.Settings().m_strDlgFontName;
}

int CAppProjectHost::GetProcessFontSize() const
{
    return m_app.Settings().m_nDlgFontSize;
}

void CAppProjectHost::SaveWindowBox(const CWindowBox& box)
{
    m_app.Settings().SaveWindowBox(box.nLeft, box.nTop, box.nRight, box.nBottom);
}

void CAppProjectHost::SetMessagePaneText(const std::string& text)
{
    if (CMainFrame* frame = m_app.GetMainFrame())
        frame->SetMessagePaneText(QString::fromStdString(text));
}

CDocument* CAppProjectHost::OpenDocumentFile(const std::string& path)
{
    CDocument* doc = m_app.OpenDocumentFile(path);
    if (doc != nullptr)
        FocusTextOf(*doc);
    return doc;
}

bool CAppProjectHost::IsJavaSource(const CDocument& doc) const
{
    return dynamic_cast<const CSyntaxWindowDoc*>(&doc) != nullptr;
}

std::int32_t CAppProjectHost::FindEntryPosition(const CDocument& doc, const std::string& entry) const
{
    const auto* source = dynamic_cast<const CSyntaxWindowDoc*>(&doc);
    return source != nullptr ? source->GetScanner().FindEntryPosition(entry) : -1;
}

void CAppProjectHost::GoToPosition(CDocument& doc, std::int32_t nPos)
{
    if (auto* source = dynamic_cast<CSyntaxWindowDoc*>(&doc)) {
        source->GoToPosition(nPos);
        FocusTextOf(*source);
    }
}

CDesktopShell& CAppProjectHost::GetShell()
{
    return m_app.GetShell();
}
