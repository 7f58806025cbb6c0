#include "QuarnelApp.h"

#include "AppIcons.h"
#include "MainFrame.h"
#include "NewDocumentDlg.h"
#include "NewProjectDlg.h"
#include "RecentProjectsDlg.h"
#include "TipOfTheDayDlg.h"

#include "app/AppResources.h"
#include "app/ProjectTemplates.h"
#include "editor/LiveEditorDoc.h"
#include "editor/SyntaxWindowDoc.h"
#include "editor/qt/ChildFrame.h"
#include "editor/qt/LiveHTMLView.h"
#include "editor/qt/SyntaxWindowView.h"
#include "editor/qt/WebFrame.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DesktopShell.h"
#include "framework/DocTemplate.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "projectwindow/qt/ProjectFormView.h"
#include "projectwindow/qt/ProjectFrame.h"
#include "projectwindow/qt/ProjectWindowsQt.h"


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
      CQuarnelSettings(CSettingsStore(env.strSettingsFile, kCompany, kApplication),
                       CJdkRegistryView::Discover(env.jdkSearch),
                       ProgramHelpFile(Paths::FolderOf(env.strProgramPath))),
      m_shell(shell),
      m_strProgramFolder(Paths::FolderOf(env.strProgramPath))
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
    docs.GetRecentFiles().ReadList(*this);
    docs.SetRecentFilesChanged([this] {
        const CSettingsStore::CBatch oneWrite(GetSettingsStore());
        GetDocManager().GetRecentFiles().WriteList(*this);
    });
    m_nPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
    LoadSettings();
    RegisterDocTemplates();

    auto frame = std::make_unique<CMainFrame>(*this);
    frame->LoadFrame(Res::IDR_MAINFRAME);
    frame->resize(1100, 760);
    SetMainWnd(std::move(frame));

    // A command line that names nothing makes nothing: no empty document at start-up.
    if (!cmdInfo.strFileName.empty() && OpenDocumentFile(cmdInfo.strFileName) == nullptr)
        return false;

    if (LoadWindowState())
        GetMainWnd()->showMaximized();
    else
        GetMainWnd()->show();

    if (m_nLoadLast != 0 && !m_strLastOpen.empty())
        OpenDocumentFile(m_strLastOpen);
    if (cmdInfo.strFileName.empty())
        ShowTipAtStartup();
    return true;
}

void CQuarnelApp::RegisterDocTemplates()
{
    CDocManager& docs = GetDocManager();
    docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_JAVATYPE, kJavaDescription, [this] { return std::make_unique<CSyntaxWindowDoc>(GetUi()); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            auto* frame = new CChildFrame(GetDocManager(), doc);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kJavaSource));
            frame->SetView(new CSyntaxWindowView(static_cast<CSyntaxWindowDoc&>(doc)));
            return frame;
        }));
    m_pProjectTemplate = &docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_PROJECTTYPE, kProjectDescription, [this] { return std::make_unique<CJavaProjectDoc>(*this); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            auto* frame = new CProjectFrame(GetDocManager(), doc);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kProject));
            frame->SetView(new CProjectFormView(static_cast<CJavaProjectDoc&>(doc)));
            return frame;
        }));
    docs.AddDocTemplate(std::make_unique<CDocTemplate>(
        Res::IDR_HTMLTYPE, kHtmlDescription, [this] { return std::make_unique<CLiveEditorDoc>(GetUi()); },
        [this](CDocument& doc) -> CMDIChildWnd* {
            auto* frame = new CWebFrame(GetDocManager(), doc);
            frame->setWindowIcon(AppIcons::DocumentIcon(AppIcons::kHtmlPage));
            frame->SetView(new CLiveHTMLView(static_cast<CLiveEditorDoc&>(doc)));
            return frame;
        }));
}

void CQuarnelApp::RegisterCommands()
{
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
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

    // The project's own commands, forwarded from any window while a project is open.
    OnCommand(ID_PROJECT_ADDJAVAFILES, [this] {
        if (m_pOpenProject != nullptr)
            m_pOpenProject->AddJavaFiles();
    });
    OnCommand(ID_PROJECT_ADDHTMLFILE, [this] {
        if (m_pOpenProject != nullptr)
            m_pOpenProject->AddHtmlFile();
    });
    // The toolbar button and the View menu item alike.
    for (int id : {ID_VIEW_PROJECTWINDOW, ID_VIEW_PROJECTWINDOWBUTTON}) {
        OnCommand(id, [this] {
            if (m_pOpenProject != nullptr)
                m_pOpenProject->OnProjectWindow();
        });
    }
    OnCommand(ID_BUILD_SHOWARCHIVE, [this] {
        if (m_pOpenProject != nullptr)
            m_pOpenProject->ShowArchiveContents();
    });
    for (int id : {ID_PROJECT_ADDJAVAFILES, ID_PROJECT_ADDHTMLFILE, ID_VIEW_PROJECTWINDOW, ID_VIEW_PROJECTWINDOWBUTTON,
                   ID_BUILD_SHOWARCHIVE})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(m_pOpenProject != nullptr); });
    // Compile is enabled only where a window on the route compiles, and never while a tool runs.
    OnUpdateUI(ID_BUILD_COMPILE, [this](CCmdUI& ui) {
        ui.Enable(m_pOpenProject != nullptr && ui.HasHandlerOnRoute());
    });
}

std::unique_ptr<CProjectWindows> CQuarnelApp::MakeProjectWindows(CJavaProjectDoc& project)
{
    // The main frame is made before any document and outlives every one.
    if (GetMainFrame() == nullptr)
        return nullptr;
    return std::make_unique<CProjectWindowsQt>(*GetMainFrame(), project);
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
    if (m_pOpenProject == nullptr)
        return true;
    if (path != nullptr && *path == m_pOpenProject->GetPathName()) {
        GetDocManager().ActivateFrame(*m_pOpenProject);
        return false;
    }
    if (GetUi().MessageBox("Do you want to close the current project?", MsgButtons::OkCancel) != MsgAnswer::Ok)
        return false;
    if (!m_pOpenProject->SaveModified())
        return false;
    GetDocManager().CloseDocument(*m_pOpenProject);
    return true;
}

void CQuarnelApp::ShowTipAtStartup()
{
    if (m_bNoLogo)
        return;
    CTipOfTheDayDlg dlg(GetUi(), *this, GetTipsFilePath());
    if (dlg.m_bStartup)
        GetUi().DoModal(dlg);
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
        const CSettingsStore::CBatch oneWrite(GetSettingsStore());
        recent.WriteList(*this);
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
    if (!OpenNewDocumentOfType("JavaProject") || m_pOpenProject == nullptr)
        return;
    if (dlg.m_nProjectType == CNewProjectDlg::kEmpty)
        return;

    CJavaProjectDoc* project = m_pOpenProject;
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
    CRecentProjectsDlg dlg(GetUi(), m_recentProjects);
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
    CTipOfTheDayDlg dlg(GetUi(), *this, GetTipsFilePath());
    GetUi().DoModal(dlg);
}

void CQuarnelApp::OnAbout()
{
    GetUi().MessageBox("Ondrik\nAn IDE for the Java Development Kit.\n\nJDK folder: " + m_strJavaBin,
                       MsgButtons::Ok, MsgIcon::Information, "About Ondrik");
}

int CQuarnelApp::GetProfileInt(const std::string& section, const std::string& entry, int nDefault)
{
    return static_cast<int>(GetSettingsStore().GetNumber(section, entry, static_cast<std::uint32_t>(nDefault)));
}

std::string CQuarnelApp::GetProfileString(const std::string& section, const std::string& entry,
                                          const std::string& strDefault)
{
    return GetSettingsStore().GetString(section, entry, strDefault);
}

void CQuarnelApp::WriteProfileInt(const std::string& section, const std::string& entry, int nValue)
{
    GetSettingsStore().SetNumber(section, entry, static_cast<std::uint32_t>(nValue));
}

void CQuarnelApp::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    GetSettingsStore().SetString(section, entry, value);
}
