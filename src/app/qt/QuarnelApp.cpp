#include "QuarnelApp.h"

#include "AppIcons.h"
#include "FileChangeWatcher.h"
#include "MainFrame.h"
#include "RecoveryManager.h"

#include "app/AboutDlg.h"
#include "app/AppResources.h"
#include "app/NewDocumentDlg.h"
#include "app/NewProjectDlg.h"
#include "app/RecentProjectsDlg.h"
#include "app/TipOfTheDayDlg.h"
#include "app/ProjectTemplates.h"
#include "editor/LiveEditorDoc.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/ChildFrame.h"
#include "editor/qt/LiveHTMLView.h"
#include "editor/qt/SyntaxWindowView.h"
#include "editor/qt/TextPrinter.h"
#include "editor/qt/WebFrame.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DesktopShell.h"
#include "framework/DocTemplate.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "prefs/PrefsSheet.h"
#include "project/JavaProjectDoc.h"
#include "projectwindow/qt/ProjectFormView.h"
#include "projectwindow/qt/ProjectFrame.h"
#include "run/ProcessWindowDlg.h"

#include <QApplication>
#include <QPalette>

#include <utility>

using namespace Cmd;

namespace {

constexpr const char* kJavaDescription =
    "\nJavaDocument\nJava Source File\nJava Source Files (*.java)\n.java\nQuarnel.Document\nQuarnel Document";
constexpr const char* kProjectDescription =
    "\nJavaProject\nJava Project\nJava Project Files (*.jpr)\n.jpr\nJavaProjectr.Document\nJava project Document";
constexpr const char* kHtmlDescription =
    "\nHTMLDocument\nHTML File\nHTML Files (*.html)\n.html\nHTML.Document\nHTML Document";

std::string ProgramHelpFile(const std::string& programFolder)
{
    return Paths::Join(programFolder, "ondrik.html");
}

}  // namespace

CQuarnelApp::CQuarnelApp(CUi& ui, CDesktopShell& shell, const CAppEnvironment& env)
    : CWinApp(ui),
      m_shell(shell),
      m_strProgramFolder(Paths::FolderOf(env.strProgramPath)),
      m_settings(CSettingsStore(env.strSettingsFile, CQuarnelSettings::kCompany, CQuarnelSettings::kApplication),
                 CJdkRegistryView::Discover(env.jdkSearch), ProgramHelpFile(m_strProgramFolder)),
      m_profile(m_settings.GetSettingsStore()),
      m_projectHost(*this),
      m_projectForwarder(m_projectHost),
      m_strRecoveryFolder(env.strRecoveryFolder)
{
    LoadAppResources(GetResources());
    RegisterCommands();
}

CQuarnelApp::~CQuarnelApp()
{
    // Documents and windows go before the settings they use.
    DestroyMainWnd();
}

CMainFrame* CQuarnelApp::GetMainFrame() const
{
    return static_cast<CMainFrame*>(GetMainWnd());
}

std::string CQuarnelApp::GetTipsFilePath() const
{
    return m_strProgramFolder + "/help/tips.dat";
}

std::string CQuarnelApp::GetProgramHelpPath() const
{
    return ProgramHelpFile(m_strProgramFolder);
}

bool CQuarnelApp::InitInstance(const CCommandLineInfo& cmdInfo)
{
    m_bNoLogo = cmdInfo.bNoLogo;
    CDocManager& docs = GetDocManager();
    docs.GetRecentFiles().ReadList(m_profile);
    docs.SetRecentFilesObserver(&m_profile);
    m_nPreviewPages = m_profile.GetProfileInt("Settings", "PreviewPages", 0);
    m_settings.LoadSettings();
    RegisterDocTemplates();

    auto frame = std::make_unique<CMainFrame>(*this);
    frame->LoadFrame(Res::IDR_MAINFRAME);
    frame->resize(1100, 760);
    SetMainWnd(std::move(frame));
    // Both hear of every document from the first one opened.
    m_pFileWatcher = std::make_unique<CFileChangeWatcher>(docs, GetUi(), *GetMainWnd());
    if (!m_strRecoveryFolder.empty())
        m_pRecovery = std::make_unique<CRecoveryManager>(docs, GetUi(), m_strRecoveryFolder);

    // A command line that names nothing makes nothing: no empty document at start-up.
    for (const std::string& file : cmdInfo.fileNames) {
        if (OpenDocumentFile(file) == nullptr)
            return false;
    }

    if (m_settings.LoadWindowState())
        GetMainWnd()->showMaximized();
    else
        GetMainWnd()->show();

    if (m_settings.m_nLoadLast != 0 && !m_settings.m_strLastOpen.empty())
        OpenDocumentFile(m_settings.m_strLastOpen);
    if (m_pRecovery != nullptr)
        m_pRecovery->OfferLeftOvers();
    if (cmdInfo.fileNames.empty())
        ShowTipAtStartup();
    return true;
}

void CQuarnelApp::RegisterDocTemplates()
{
    CDocManager& docs = GetDocManager();
    docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_JAVATYPE, kJavaDescription, [this] { return std::make_unique<CSyntaxWindowDoc>(GetUi(), m_projectHost); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            const CEditorSettings settings = MakeEditorSettings();
            auto* frame = new CChildFrame(GetDocManager(), doc, settings.nShowDrops != 0);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kJavaSource));
            auto* view = new CSyntaxWindowView(static_cast<CSyntaxWindowDoc&>(doc), settings, m_shell);
            view->SetSpaceTabsSource([this] { return m_settings.m_nSpaceTabs != 0; });
            view->SetHelpPathSource([this] { return m_settings.GetHelpFilePath(); });
            view->SetFontCommand([this] { ShowPreferences(CPrefsSheet::kFormatPage); });
            view->SetContextMenuId(Res::IDR_EDITOR_CONTEXT);
            frame->SetSourceView(view);
            return frame;
        }));
    m_pProjectTemplate = &docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_PROJECTTYPE, kProjectDescription, [this] { return std::make_unique<CJavaProjectDoc>(m_projectHost); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            auto* frame = new CProjectFrame(GetDocManager(), doc);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kProject));
            frame->SetView(new CProjectFormView(static_cast<CJavaProjectDoc&>(doc)));
            return frame;
        }));
    docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_HTMLTYPE, kHtmlDescription, [this] { return std::make_unique<CLiveEditorDoc>(GetUi(), m_projectHost); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            auto* frame = new CWebFrame(GetDocManager(), doc);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kHtmlPage));
            auto* view = new CLiveHTMLView(static_cast<CLiveEditorDoc&>(doc), MakeEditorSettings(), m_shell);
            view->SetContextMenuId(Res::IDR_EDITOR_CONTEXT);
            frame->SetView(view);
            return frame;
        }));
}

CEditorSettings CQuarnelApp::MakeEditorSettings() const
{
    CEditorSettings editor;
    editor.strFontName = m_settings.m_strFontName;
    editor.nFontSize = m_settings.m_nFontSize;
    editor.nTabWidth = m_settings.m_nTabWidth;
    editor.nSpaceTabs = m_settings.m_nSpaceTabs;
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    editor.crNormal = static_cast<std::uint32_t>(text.red()) | static_cast<std::uint32_t>(text.green()) << 8 |
                      static_cast<std::uint32_t>(text.blue()) << 16;
    editor.crKeyword = m_settings.m_crKeyColor;
    editor.crComment = m_settings.m_crCommentColor;
    editor.crString = m_settings.m_crStringColor;
    editor.crTag = m_settings.m_crTagColor;
    editor.nShowDrops = m_settings.m_nShowDrops;
    editor.nLineNumbers = m_settings.m_nLineNumbers;
    editor.strHelpPath = m_settings.GetHelpFilePath();
    return editor;
}

void CQuarnelApp::RegisterCommands()
{
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    // The one page setup every window prints with, also before any window is open.
    OnCommand(ID_FILE_PRINT_SETUP, [this] { CTextPrinter::PageSetup(GetMainWnd()); });
    OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, [this](int id) { OnRecentFile(id); });
    OnUpdateUIRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, [this](CCmdUI& ui) {
        ui.Enable(ui.GetId() - ID_FILE_MRU_FILE1 < GetDocManager().GetRecentFiles().GetSize());
    });
    OnCommand(ID_FILE_NEWPROJECT, [this] { OnNewProject(); });
    OnCommand(ID_FILE_OPENPROJECT, [this] { OnOpenProject(); });
    OnCommand(ID_FILE_CLOSEPROJECT, [this] { QueryCloseProject(nullptr); });
    OnCommand(ID_FILE_RECENTPROJECTS, [this] { OnRecentProjects(); });
    OnCommand(ID_FILE_SAVEALL, [this] { GetDocManager().SaveAllByType(); });
    OnCommand(ID_HELP_HELP, [this] { OnHelp(); });
    OnCommand(ID_HELP_TIPOFTHEDAY, [this] { OnTipOfTheDay(); });
    OnCommand(ID_APP_ABOUT, [this] { OnAbout(); });
    OnCommand(ID_TOOLS_PREFERENCES, [this] { ShowPreferences(CPrefsSheet::kIdePage); });

    // Compile and Run Application are enabled only where a window on the route (or, for the
    // run, the open project) takes them, and never while a captured run is active.
    for (int id : {ID_BUILD_COMPILE, ID_BUILD_RUN}) {
        OnUpdateUI(id, [this](CCmdUI& ui) {
            ui.Enable(GetOpenProject() != nullptr && !m_capturedRun.IsRunning() && ui.HasHandlerOnRoute());
        });
    }
}

void CQuarnelApp::AppendRouteTail(std::vector<CCmdTarget*>& route) const
{
    route.push_back(&m_projectForwarder);
}

bool CQuarnelApp::QueryCloseMainWnd()
{
    if (!m_capturedRun.IsRunning())
        return true;
    if (GetUi().MessageBox(CProcessWindowDlg::kAbortQuestion, MsgButtons::OkCancel) != MsgAnswer::Ok)
        return false;
    EndRuns();
    return true;
}

void CQuarnelApp::OnMainWndClosing(bool bMaximised)
{
    m_settings.SaveWindowState(bMaximised);
    if (GetOpenProject() == nullptr)
        m_settings.SaveRecentProjects("");
}

void CQuarnelApp::EndRuns()
{
    m_capturedRun.EndActiveRun();
}

void CQuarnelApp::CloseWithoutQuestions(int nExitCode)
{
    if (std::exchange(m_bClosingWithoutQuestions, true))
        return;
    // Every event loop ends now, those of open dialogs too, and a box shown from here on returns
    // at once; a loop that only starts later (the signal came during start-up) ends at once too.
    QCoreApplication::exit(nExitCode);
    QMetaObject::invokeMethod(qApp, [nExitCode] { QCoreApplication::exit(nExitCode); }, Qt::QueuedConnection);
    EndRuns();
    if (m_pRecovery != nullptr)
        m_pRecovery->KeepAllForNextStart();
    // A titled project is written back on every close, though never over another program's newer file.
    CJavaProjectDoc* project = GetOpenProject();
    if (project != nullptr && !project->GetPathName().empty() &&
        project->GetDiskChange() == CDocument::DiskChange::None)
        project->OnSaveDocument(project->GetPathName());
    if (CMDIFrameWnd* frame = GetMainWnd())
        OnMainWndClosing(frame->isMaximized() && !frame->isMinimized());
}

bool CQuarnelApp::OpenNewDocumentOfType(const std::string& docName)
{
    for (CDocTemplate* docTemplate : GetDocManager().GetTemplates()) {
        if (docTemplate->GetDocString(CDocTemplate::docName) == docName)
            return GetDocManager().OpenNewDocument(*docTemplate) != nullptr;
    }
    return false;
}

CDocument* CQuarnelApp::OpenDocumentFile(const std::string& path)
{
    // Only a lower-case .jpr counts as a project here; the types match extensions in any case.
    if (Paths::ExtensionOf(path) == "jpr") {
        const std::string full = Paths::Absolute(path);
        if (!QueryCloseProject(&full))
            return nullptr;
    }
    return GetDocManager().OpenDocumentFile(path);
}

bool CQuarnelApp::QueryCloseProject(const std::string* path)
{
    CJavaProjectDoc* project = GetOpenProject();
    if (project == nullptr)
        return true;
    if (path != nullptr && *path == project->GetPathName()) {
        GetDocManager().ActivateFrame(*project);
        return false;
    }
    if (GetUi().MessageBox("Do you want to close the current project?", MsgButtons::OkCancel) != MsgAnswer::Ok)
        return false;
    if (!project->SaveModified())
        return false;
    // The project's run goes with it: its Process Window and stop go, and a run left behind would
    // keep Compile and Run disabled for every project after.
    EndRuns();
    GetDocManager().CloseDocument(*project);
    return true;
}

void CQuarnelApp::ShowTipAtStartup()
{
    if (m_bNoLogo)
        return;
    CTipOfTheDayDlg dlg(GetUi(), m_profile, GetTipsFilePath());
    if (dlg.m_bStartup)
        GetUi().DoModal(dlg);
}

void CQuarnelApp::ShowPreferences(int nPage)
{
    CPrefsSheet sheet(GetUi(), nPage);
    sheet.Fill(m_settings.GetPreferenceValues());
    if (GetUi().DoModal(sheet) == kIdOk)
        m_settings.ApplyPreferences(sheet.GetValues());
}

void CQuarnelApp::OnFileNew()
{
    CNewDocumentDlg dlg;
    if (GetUi().DoModal(dlg) != kIdOk)
        return;
    switch (dlg.m_nSelected) {
    case CNewDocumentDlg::kJavaSource: OpenNewDocumentOfType("JavaDocument"); break;
    case CNewDocumentDlg::kProject: OnNewProject(); break;
    case CNewDocumentDlg::kHtmlPage: OpenNewDocumentOfType("HTMLDocument"); break;
    default: break;
    }
}

void CQuarnelApp::OnFileOpen()
{
    CFileDialogSpec request;
    request.title = "Open";
    request.filter = "Java Source Files (*.java)|*.java|Java Project Files (*.jpr)|*.jpr|HTML Files (*.html)|*.html|"
                  "All Files (*.*)|*.*||";
    request.hideReadOnly = true;
    if (const auto chosen = GetUi().GetOpenFileNames(request))
        OpenDocumentFile(chosen->front());
}

void CQuarnelApp::OnRecentFile(int id)
{
    CRecentFileList& recent = GetDocManager().GetRecentFiles();
    const int index = id - ID_FILE_MRU_FILE1;
    if (index < 0 || index >= recent.GetSize())
        return;
    const std::string path = recent[index];
    // An entry that no longer opens leaves the list.
    if (OpenDocumentFile(path) == nullptr && !FileIo::FileExists(path)) {
        recent.Remove(index);
        GetDocManager().RecentFilesChanged();
    }
}

bool CQuarnelApp::WriteTemplateFile(const std::string& path, const std::string& text)
{
    return FileIo::WriteFileReplacing(path, ProjectTemplates::TextModeBytes(text)) == FileIo::FileStatus::Ok;
}

void CQuarnelApp::OnNewProject()
{
    if (!QueryCloseProject(nullptr))
        return;
    CNewProjectDlg dlg(GetUi());
    dlg.m_nProjectType = CNewProjectDlg::kEmpty;
    dlg.m_strClassName = "MyApp";
    if (GetUi().DoModal(dlg) != kIdOk)
        return;
    const std::string name = dlg.m_strClassName;
    if (!OpenNewDocumentOfType("JavaProject") || GetOpenProject() == nullptr)
        return;
    if (dlg.m_nProjectType == CNewProjectDlg::kEmpty)
        return;

    CJavaProjectDoc* project = GetOpenProject();
    CFileDialogSpec request;
    request.defaultExtension = "jpr";
    request.initialName = name + ".jpr";
    request.filter = "Java Projects (*.jpr)|*.jpr||";
    request.hideReadOnly = true;
    request.promptOverwrite = true;
    const auto chosen = GetUi().GetSaveFileName(request);
    if (!chosen)
        return;
    if (!project->DoSave(*chosen))
        return;
    const std::string folder = Paths::FolderOf(project->GetPathName());
    const std::string sourceName = name + ".java";
    const std::string sourcePath = Paths::Join(folder, sourceName);
    const CResources& res = GetResources();
    if (dlg.m_nProjectType == CNewProjectDlg::kApplication) {
        const std::string text =
            ProjectTemplates::ReplaceAll(res.GetString(Res::IDS_APPLICATION_TEMPLATE), "MainFrame", name);
        if (!WriteTemplateFile(sourcePath, text))
            return;
        project->AddJavaFile(sourcePath);
        project->SetMainJavaFile(sourceName);
        OpenDocumentFile(sourcePath);
        project->RefreshViews();
        project->OnSaveDocument(project->GetPathName());
        return;
    }
    const std::string source = ProjectTemplates::ReplaceAll(res.GetString(Res::IDS_APPLET_TEMPLATE), "MyApplet", name);
    const std::string page =
        ProjectTemplates::ReplaceAll(res.GetString(Res::IDS_APPLET_PAGE_TEMPLATE), "MyApplet", name);
    if (!WriteTemplateFile(sourcePath, source))
        return;
    project->AddJavaFile(sourcePath);
    project->SetMainJavaFile(sourceName);
    OpenDocumentFile(sourcePath);
    const std::string pagePath = Paths::Join(folder, "Example1.html");
    if (!WriteTemplateFile(pagePath, page))
        return;
    project->AddPlainFile(pagePath);
    project->SetMainHtmlFile("Example1.html");
    project->RefreshViews();
    project->OnSaveDocument(project->GetPathName());
}

void CQuarnelApp::OnOpenProject()
{
    CFileDialogSpec request;
    request.title = GetResources().GetString(Res::IDS_OPEN_PROJECT_TITLE);
    request.filter = "Java Project Files (*.jpr)|*.jpr|All Files (*.*)|*.*||";
    request.hideReadOnly = true;
    if (const auto chosen = GetUi().GetOpenFileNames(request))
        OpenDocumentFile(chosen->front());
}

void CQuarnelApp::OnRecentProjects()
{
    CRecentProjectsDlg dlg(GetUi(), m_settings.m_recentProjects);
    if (GetUi().DoModal(dlg) == kIdOk)
        OpenDocumentFile(dlg.m_strSelectedPath);
}

void CQuarnelApp::OnHelp()
{
    const std::string help = GetProgramHelpPath();
    if (!FileIo::FileExists(help) || !m_shell.Open(help))
        GetUi().MessageBox(help + "\nCannot find this file.\nPlease verify that the correct path and file name are given.");
}

void CQuarnelApp::OnTipOfTheDay()
{
    CTipOfTheDayDlg dlg(GetUi(), m_profile, GetTipsFilePath());
    GetUi().DoModal(dlg);
}

void CQuarnelApp::OnAbout()
{
    CAboutDlg dlg(m_shell, m_settings.m_strJavaBin);
    GetUi().DoModal(dlg);
}
