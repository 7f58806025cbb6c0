#include "JavaProjectDoc.h"

#include "BreakpointFile.h"
#include "JavaClass.h"
#include "MessageJump.h"
#include "ProjectHost.h"
#include "SourceRoot.h"

#include "framework/Archive.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Ui.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

// Refused files are named as the user chose them, with the file of the same name already in the
// project; a long list is cut short.
std::string SameNameText(const std::vector<std::pair<std::string, std::string>>& refused)
{
    constexpr std::size_t kMostNamed = 10;
    std::string text = "You cannot add two Java files with the same name to a project.";
    if (refused.size() == 1)
        return text + "\n" + refused[0].first + "\nwas not added: " + refused[0].second + "\nis already in it.";
    text += " These were not added:";
    for (std::size_t i = 0; i < refused.size() && i < kMostNamed; ++i)
        text += "\n" + refused[i].first + " (" + refused[i].second + " is in it)";
    if (refused.size() > kMostNamed)
        text += "\nand " + std::to_string(refused.size() - kMostNamed) + " more.";
    return text;
}

std::string ListFullText(int nLeftOut, const char* kind)
{
    const std::string files = nLeftOut == 1 ? "1 file was" : std::to_string(nLeftOut) + " files were";
    return files + " not added: a project holds at most " + std::to_string(CJavaFileList::kSlots) + " " + kind +
           " files.";
}

}  // namespace

CJavaProjectDoc::CJavaProjectDoc(CProjectHost& host) : CDocument(host.GetUi()), m_host(host)
{
    m_strJavaSwitches = m_host.GetDefaultJavaOptions();
    m_strJavacSwitches = m_host.GetDefaultJavacSwitches();
    m_host.SetOpenProject(this);
    m_breakpoints.AddObserver(this);
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
    OnCommand(Cmd::ID_BUILD_NEXTERROR, [this] { GoToNextMessage(); });
    OnCommand(Cmd::ID_BUILD_PREVERROR, [this] { GoToPreviousMessage(); });
    for (int id : {Cmd::ID_BUILD_NEXTERROR, Cmd::ID_BUILD_PREVERROR})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(!m_messages.IsEmpty()); });
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
    m_breakpoints.RemoveObserver(this);
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
    // The marks of its compiles go with the project.
    m_marks.Replace({});
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

CJavaProjectDoc::EAdded CJavaProjectDoc::TryAddJavaFile(const std::string& path)
{
    if (m_javaFiles.FindByPath(path) != nullptr)
        return EAdded::AlreadyThere;
    // Files are found by their names; two of one name would be one entry for two files.
    if (m_javaFiles.HasName(Paths::NameOf(path)))
        return EAdded::SameName;
    auto file = std::make_unique<CJavaFile>(GetPathName());
    file->SetPath(path);
    return m_javaFiles.Add(std::move(file)) ? EAdded::Added : EAdded::ListFull;
}

bool CJavaProjectDoc::AddJavaFile(const std::string& path)
{
    switch (TryAddJavaFile(path)) {
    case EAdded::Added:
        return true;
    case EAdded::AlreadyThere:
        return false;
    case EAdded::SameName:
        Ui().MessageBox(SameNameText({{path, m_javaFiles.FindByName(Paths::NameOf(path))->GetPath()}}));
        return false;
    case EAdded::ListFull:
        Ui().MessageBox(ListFullText(1, "Java"));
        return false;
    }
    return false;
}

bool CJavaProjectDoc::AddPlainFile(const std::string& path)
{
    auto file = std::make_unique<CVelmarFile>(GetPathName());
    file->SetPath(path);
    if (!m_plainFiles.Add(std::move(file))) {
        Ui().MessageBox(ListFullText(1, "HTML"));
        return false;
    }
    SetModifiedFlag();
    return true;
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
    // The package of a file that cannot be read is not known; the last main file's is no answer.
    if (!ReadMainPackage())
        m_strMainPackage.clear();
    SetModifiedFlag();
    RefreshViews();
}

void CJavaProjectDoc::SetPathName(const std::string& path)
{
    CDocument::SetPathName(path);
    // What is read here is what the file held when the project was stored, or it is newer; either
    // way the project is as it was, and a titled project is written back when it closes.
    const bool bModified = IsModified();
    ReadMainPackage();
    SetModifiedFlag(bModified);
    AttachBreakpoints(path);
}

void CJavaProjectDoc::AttachBreakpoints(const std::string& path)
{
    if (path.empty() || path == m_strBreakpointsOf)
        return;
    const bool bFirst = m_strBreakpointsOf.empty();
    m_strBreakpointsOf = path;
    if (!bFirst) {
        if (!m_breakpoints.All().empty())
            OnBreakpointsChanged();
        return;
    }
    BreakpointFile::CReadResult read = BreakpointFile::Read(path);
    if (read.status == BreakpointFile::ReadStatus::Damaged) {
        m_bKeepBreakpoints = read.keptAs.has_value();
        Ui().MessageBox(BreakpointFile::DamagedMessage(path, read));
    }
    // Breakpoints set before the project had a file join those it kept.
    const bool bJoined = !m_breakpoints.All().empty();
    CBreakpoints::CFileLines files = std::move(read.files);
    for (const auto& [file, lines] : m_breakpoints.All())
        files[file].insert(files[file].end(), lines.begin(), lines.end());
    m_bReadingBreakpoints = true;
    m_breakpoints.Reset(std::move(files));
    m_bReadingBreakpoints = false;
    if (bJoined)
        OnBreakpointsChanged();
}

void CJavaProjectDoc::OnBreakpointsChanged()
{
    if (m_bReadingBreakpoints || !m_bKeepBreakpoints || m_strBreakpointsOf.empty())
        return;
    // A folder that takes no file is said once, not at every breakpoint.
    const bool bWritten = BreakpointFile::Write(m_strBreakpointsOf, m_breakpoints.All());
    if (!bWritten && !m_bBreakpointWriteFailed)
        Ui().MessageBox("The project's breakpoints could not be written to\n" +
                        BreakpointFile::PathFor(m_strBreakpointsOf) + ".");
    m_bBreakpointWriteFailed = !bWritten;
}

bool CJavaProjectDoc::ReadMainPackage()
{
    if (m_strMainJavaFile.empty())
        return false;
    const std::string path = GetFilePath(m_strMainJavaFile);
    if (path.find(Paths::kSeparator) == std::string::npos)
        return false;
    const FileIo::FileReadResult file = FileIo::ReadWholeFile(path);
    if (file.status != FileIo::FileStatus::Ok)
        return false;
    TakeMainPackage(SourceRoot::ReadPackage(file.bytes));
    return true;
}

void CJavaProjectDoc::NoteScannedSource(const std::string& path, std::string_view text)
{
    if (!m_strMainJavaFile.empty() && !path.empty() && GetFilePath(m_strMainJavaFile) == path)
        TakeMainPackage(SourceRoot::ReadPackage(text));
}

void CJavaProjectDoc::TakeMainPackage(std::string package)
{
    if (package == m_strMainPackage)
        return;
    m_strMainPackage = std::move(package);
    SetModifiedFlag();
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
    std::vector<std::pair<std::string, std::string>> sameNames;
    int nNoRoom = 0;
    for (const auto& path : *chosen) {
        switch (TryAddJavaFile(path)) {
        case EAdded::Added:
            bAdded = true;
            break;
        case EAdded::AlreadyThere:
            break;
        case EAdded::SameName:
            sameNames.emplace_back(path, m_javaFiles.FindByName(Paths::NameOf(path))->GetPath());
            break;
        case EAdded::ListFull:
            ++nNoRoom;
            break;
        }
    }
    if (chosen->size() > 1 || bAdded) {
        RefreshViews();
        SetModifiedFlag();
    }
    // What fitted is in; then the user hears what was left out and why.
    if (!sameNames.empty())
        Ui().MessageBox(SameNameText(sameNames));
    if (nNoRoom > 0)
        Ui().MessageBox(ListFullText(nNoRoom, "Java"));
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
    if (!AddPlainFile(path))
        return;
    RefreshViews();
}

MessageJump::CMessagePlaces CJavaProjectDoc::MessagePlaces()
{
    const std::optional<CSourceRoot> root =
        m_strMainJavaFile.empty() ? std::nullopt : SourceRoot::Find(GetFilePath(m_strMainJavaFile), m_strMainPackage);
    MessageJump::CMessagePlaces places;
    places.strRunFolder = m_strLastRunFolder;
    places.strSourceRoot = root ? root->strRoot : std::string();
    places.isFile = [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    };
    places.projectFile = [this](const std::string& name) -> std::optional<std::string> {
        if (m_javaFiles.FindByName(name) == nullptr)
            return std::nullopt;
        return GetFilePath(name);
    };
    return places;
}

void CJavaProjectDoc::JumpToMessage(const std::string& output, int nLine)
{
    m_strLastCompileOutput = output;
    // Next Error goes on from the line double-clicked.
    m_messages.MoveTo(nLine);
    const std::optional<std::string_view> line = MessageJump::LineAt(m_strLastCompileOutput, nLine);
    if (!line || line->empty())
        return;
    // The file at the path the message names, when there is one: two files of the same name in
    // different packages are told apart, and a file javac found outside the project opens too.
    if (const std::optional<MessageJump::CToolMessage> message = MessageJump::ParseLine(*line)) {
        if (const std::optional<std::string> file = MessageJump::ResolveFile(*message, MessagePlaces())) {
            m_host.OpenDocumentAtLine(*file, message->nLine - 1);
            return;
        }
    }
    // Else the project's file whose name the line holds.
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

void CJavaProjectDoc::OnRunStarted(std::string folder, ERunKind kind)
{
    m_strLastRunFolder = std::move(folder);
    m_lastRunKind = kind;
    // The Process Window shows the new run's output now: the old messages' lines are not in it.
    m_messages.Clear();
}

void CJavaProjectDoc::OnRunEnded(std::string_view output)
{
    m_messages.Read(output, MessagePlaces());
    if (m_lastRunKind == ERunKind::Compile)
        m_marks.Replace(m_messages.Marks());
    // A later run shows its own output without touching the marks.
    m_lastRunKind = ERunKind::Other;
}

void CJavaProjectDoc::GoToNextMessage()
{
    GoToMessage(m_messages.Next());
}

void CJavaProjectDoc::GoToPreviousMessage()
{
    GoToMessage(m_messages.Previous());
}

void CJavaProjectDoc::GoToMessage(const COutputMessages::CEntry* entry)
{
    if (entry == nullptr) {
        m_host.SetMessagePaneText("No more messages");
        return;
    }
    // The Process Window first: the source window then has the keys.
    if (m_pWindows != nullptr)
        m_pWindows->SelectOutputLine(entry->nOutputLine);
    m_host.OpenDocumentAtLine(entry->strFile, entry->nLine);
    m_host.SetMessagePaneText(entry->strSummary);
}
