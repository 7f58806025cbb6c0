#include "JavaProjectDoc.h"

#include "JavaClass.h"
#include "MessageJump.h"
#include "ProjectHost.h"

#include "framework/Archive.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

CJavaProjectDoc::CJavaProjectDoc(CProjectHost& host) : CDocument(host.GetUi()), m_host(host)
{
    m_strJavaSwitches = m_host.GetDefaultJavaOptions();
    m_strJavacSwitches = m_host.GetDefaultJavacSwitches();
    m_host.SetOpenProject(this);
    m_pWindows = m_host.MakeProjectWindows(*this);
    // The run commands answer on the project's behalf, and may use its windows.
    m_pRunCommands = m_host.MakeProjectCommands(*this);
    SetCommandHelper(m_pRunCommands.get());

    OnCommand(Cmd::ID_PROJECT_ADDJAVAFILES, [this] { AddJavaFiles(); });
    OnCommand(Cmd::ID_PROJECT_ADDHTMLFILE, [this] { AddHtmlFile(); });
    // The View menu item and the toolbar button alike.
    for (int id : {Cmd::ID_VIEW_PROJECTWINDOW, Cmd::ID_VIEW_PROJECTWINDOWBUTTON})
        OnCommand(id, [this] { OnProjectWindow(); });
    OnCommand(Cmd::ID_VIEW_PROCESSWINDOW, [this] { OnProcessWindow(); });
    OnUpdateUI(Cmd::ID_VIEW_PROCESSWINDOW, [this](CCmdUI& ui) {
        const bool bMade = m_pWindows != nullptr && m_pWindows->HasProcessBar();
        ui.Enable(bMade);
        ui.SetCheck(bMade && m_pWindows->IsProcessBarVisible());
    });
}

CJavaProjectDoc::~CJavaProjectDoc()
{
    // Only the project that is open stops being open; another one may have taken its place.
    if (m_host.GetOpenProject() == this)
        m_host.SetOpenProject(nullptr);
    // The commands go before the windows they hand runs to, the bars before the lists their
    // windows show.
    SetCommandHelper(nullptr);
    m_pRunCommands.reset();
    m_pWindows.reset();
}

void CJavaProjectDoc::DeleteContents()
{
    m_javaFiles.RemoveAll();
    m_plainFiles.RemoveAll();
    m_strMainJavaFile.clear();
    m_strMainFolder.clear();
    m_strMainPackage.clear();
    m_strMainHtmlFile.clear();
    m_strJavaSwitches = m_host.GetDefaultJavaOptions();
    m_strJavacSwitches = m_host.GetDefaultJavacSwitches();
}

void CJavaProjectDoc::Serialize(CArchive& ar)
{
    // An empty file is an empty project with the current default switches.
    if (ar.IsLoading() && ar.InputSize() == 0)
        return;
    m_javaFiles.Serialize(ar);
    m_plainFiles.Serialize(ar);
    ar.Exchange(m_strMainJavaFile);
    ar.Exchange(m_strMainFolder);
    ar.Exchange(m_strMainPackage);
    ar.Exchange(m_strMainHtmlFile);
    ar.Exchange(m_strJavaSwitches);
    ar.Exchange(m_strJavacSwitches);
}

CFileDialogSpec CJavaProjectDoc::SaveAsDialogSpec() const
{
    CFileDialogSpec request = CDocument::SaveAsDialogSpec();
    request.defaultExtension = "jpr";
    if (Paths::ExtensionOf(request.initialName) != "jpr")
        request.initialName += ".jpr";
    request.filter = "Java Project Files (*.jpr)|*.jpr|All Files (*.*)|*.*||";
    return request;
}

bool CJavaProjectDoc::SaveModified()
{
    // A titled project is written back without a question, changed or not; one whose file is
    // gone goes through Save As. A project file another program has changed meanwhile is
    // written over only when the user says so, and not at all when this project has no changes
    // of its own: either way the project then closes as it stands.
    if (!GetPathName().empty()) {
        if (!FileIo::FileExists(GetPathName()))
            return DoSave({});
        if (GetDiskChange() == DiskChange::Changed) {
            if (!IsModified() || !AskToWriteOverChange())
                return true;
            return OnSaveDocument(GetPathName());
        }
        return DoFileSave();
    }
    return CDocument::SaveModified();
}

void CJavaProjectDoc::OnCloseDocument()
{
    const std::string path = GetPathName();
    m_host.AddRecentProject(path);
    m_host.SaveRecentProjects(path);
    if (m_bProjectWindowShown && m_pWindows != nullptr && m_pWindows->IsProjectBarVisible())
        m_pWindows->ShowProjectBar(false);
    CDocument::OnCloseDocument();
}

void CJavaProjectDoc::OnProjectWindow()
{
    if (m_pWindows == nullptr)
        return;
    if (m_pWindows->HasProjectBar()) {
        m_pWindows->ShowProjectBar(!m_pWindows->IsProjectBarVisible());
        return;
    }
    if (!m_pWindows->CreateProjectBar())
        return;
    m_bProjectWindowShown = true;
    RefreshViews();
}

void CJavaProjectDoc::OnProcessWindow()
{
    // The first captured run makes this bar; the command never does.
    if (m_pWindows != nullptr && m_pWindows->HasProcessBar())
        m_pWindows->ShowProcessBar(!m_pWindows->IsProcessBarVisible());
}

bool CJavaProjectDoc::AddJavaFile(const std::string& path)
{
    if (m_javaFiles.FindByPath(path) != nullptr)
        return false;
    // A file of the same name elsewhere replaces the old entry and keeps its classes.
    if (CJavaFile* sameName = m_javaFiles.FindByName(Paths::NameOf(path))) {
        sameName->SetPath(path);
        return true;
    }
    auto file = std::make_unique<CJavaFile>(GetPathName());
    file->SetPath(path);
    m_javaFiles.Add(std::move(file));
    return true;
}

void CJavaProjectDoc::AddPlainFile(const std::string& path)
{
    auto file = std::make_unique<CVelmarFile>(GetPathName());
    file->SetPath(path);
    m_plainFiles.Add(std::move(file));
    SetModifiedFlag();
}

std::string CJavaProjectDoc::GetFilePath(const std::string& name)
{
    if (CJavaFile* file = m_javaFiles.FindByName(name))
        return file->Relocate(GetPathName());
    if (CVelmarFile* file = m_plainFiles.FindByName(name))
        return file->Relocate(GetPathName());
    return "NOFILE";
}

std::string CJavaProjectDoc::GetPlainFilePath(const std::string& name) const
{
    if (const CVelmarFile* file = m_plainFiles.FindByName(name))
        return file->GetPath();
    return {};
}

void CJavaProjectDoc::RemoveFile(const std::string& path)
{
    m_plainFiles.RemoveAt(m_plainFiles.IndexOfPath(path));
    m_javaFiles.RemoveAt(m_javaFiles.IndexOfPath(path));
    RefreshViews();
    SetModifiedFlag();
}

void CJavaProjectDoc::SetMainJavaFile(const std::string& name)
{
    m_strMainJavaFile = name;
    m_strMainFolder = Paths::FolderOf(GetFilePath(name));
    SetModifiedFlag();
    RefreshViews();
}

void CJavaProjectDoc::SetMainHtmlFile(const std::string& name)
{
    m_strMainHtmlFile = name;
    SetModifiedFlag();
    RefreshViews();
}

CJavaFile* CJavaProjectDoc::FindScannedFile(const std::string& path) const
{
    // Every caller is about to change the entry's classes.
    CJavaFile* file = m_javaFiles.FindByPath(path);
    if (file != nullptr)
        file->Touch();
    return file;
}

void CJavaProjectDoc::BeginFileScan(const std::string& path)
{
    if (CJavaFile* file = FindScannedFile(path))
        file->GetClasses().RemoveAll();
}

void CJavaProjectDoc::AddClass(const std::string& path, const std::string& className)
{
    CJavaFile* file = FindScannedFile(path);
    if (file == nullptr)
        return;
    if (!file->GetClasses().HasClass(className))
        file->GetClasses().Add(std::make_unique<CJavaClass>(className));
    SetModifiedFlag();
}

void CJavaProjectDoc::AddMethod(const std::string& path, const std::string& className, const std::string& signature)
{
    CJavaFile* file = FindScannedFile(path);
    CJavaClass* javaClass = file != nullptr ? file->GetClasses().FindClass(className) : nullptr;
    if (javaClass == nullptr)
        return;
    if (!javaClass->HasMethod(signature))
        javaClass->AppendMethod(signature);
    SetModifiedFlag();
}

void CJavaProjectDoc::AddInnerClass(const std::string& path, const std::string& className, const std::string& inner)
{
    CJavaFile* file = FindScannedFile(path);
    CJavaClass* javaClass = file != nullptr ? file->GetClasses().FindClass(className) : nullptr;
    if (javaClass == nullptr)
        return;
    if (!javaClass->HasInnerClass(inner))
        javaClass->GetInnerClasses().Add(std::make_unique<CJavaClass>(inner));
    SetModifiedFlag();
}

void CJavaProjectDoc::AddInnerMethod(const std::string& path, const std::string& className, const std::string& inner,
                                     const std::string& signature)
{
    CJavaFile* file = FindScannedFile(path);
    CJavaClass* javaClass = file != nullptr ? file->GetClasses().FindClass(className) : nullptr;
    if (javaClass == nullptr)
        return;
    CJavaClass* innerClass = javaClass->FindInnerClass(inner);
    if (innerClass == nullptr) {
        Ui().MessageBox("Error parsing file");
        return;
    }
    if (!innerClass->HasMethod(signature))
        innerClass->AppendMethod(signature);
    SetModifiedFlag();
}

void CJavaProjectDoc::EndFileScan()
{
    RefreshViews();
}

void CJavaProjectDoc::RefreshViews()
{
    UpdateAllViews();
}

void CJavaProjectDoc::AddJavaFiles()
{
    CFileDialogSpec request;
    request.defaultExtension = "txt";
    request.filter = "Java Source Files (*.jav;*.java)|*.jav;*.java|All Files (*.*)|*.*||";
    request.hideReadOnly = true;
    request.allowMultiple = true;
    const auto chosen = Ui().GetOpenFileNames(request);
    if (!chosen || chosen->empty())
        return;
    bool bAdded = false;
    for (const auto& path : *chosen)
        bAdded = AddJavaFile(path) || bAdded;
    if (chosen->size() > 1 || bAdded) {
        RefreshViews();
        SetModifiedFlag();
    }
}

void CJavaProjectDoc::AddHtmlFile()
{
    CFileDialogSpec request;
    request.defaultExtension = "html";
    request.filter = "HTML Files (*.htm;*.html)|*.htm;*.html||";
    request.hideReadOnly = true;
    const auto chosen = Ui().GetOpenFileNames(request);
    if (!chosen || chosen->empty())
        return;
    const std::string& path = chosen->front();
    if (m_plainFiles.FindByPath(path) != nullptr) {
        Ui().MessageBox("File is already in project.");
        return;
    }
    if (m_plainFiles.HasName(Paths::NameOf(path))) {
        Ui().MessageBox("You cannot add two HTML files with the same name to a project.");
        return;
    }
    auto file = std::make_unique<CVelmarFile>(GetPathName());
    file->SetPath(path);
    m_plainFiles.Add(std::move(file));
    RefreshViews();
    SetModifiedFlag();
}

void CJavaProjectDoc::JumpToMessage(const std::string& output, int nLine)
{
    m_strLastCompileOutput = output;
    const std::optional<std::string_view> line = MessageJump::LineAt(m_strLastCompileOutput, nLine);
    if (!line || line->empty())
        return;
    for (int i = 0; i < m_javaFiles.GetCount(); ++i) {
        const std::string name = m_javaFiles.GetAt(i)->GetName();
        if (const auto end = MessageJump::NameEnd(*line, name)) {
            m_host.OpenDocumentAtLine(GetFilePath(name), MessageJump::NumberAt(*line, *end + 1) - 1);
            return;
        }
    }
    // A stack trace names the file in parentheses, after the method.
    if (const auto frame = MessageJump::StackFrame(*line); frame && m_javaFiles.FindByName(frame->strName) != nullptr)
        m_host.OpenDocumentAtLine(GetFilePath(frame->strName), frame->nLine - 1);
}
