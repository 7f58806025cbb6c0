#include "ProjectTreePanel.h"

#include "FilePropertiesDlg.h"
#include "ProjectTreeHost.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/DesktopShell.h"
#include "framework/Document.h"
#include "framework/Ui.h"
#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectHost.h"
#include "run/ProjectRunCommands.h"

namespace {

constexpr const char* kNoFile = "NOFILE";

}  // namespace

CProjectTreePanel::CProjectTreePanel(CJavaProjectDoc& project, CProjectTreeHost& host)
    : m_project(project), m_host(host)
{
    OnCommand(Cmd::ID_PROJECT_OPENFILE, [this] { OpenSelected(); });
    OnCommand(Cmd::ID_BUILD_COMPILE, [this] { Compile(); });
    OnCommand(Cmd::ID_PROJECT_SETMAIN, [this] { SetAsMain(); });
    OnCommand(Cmd::ID_PROJECT_REMOVEFILE, [this] { Remove(); });
    OnCommand(Cmd::ID_PROJECT_SETPACKAGE, [this] { Properties(); });
    OnCommand(Cmd::ID_HTML_RUNAPPLET, [this] { RunApplet(); });
    OnCommand(Cmd::ID_HTML_OPENINBROWSER, [this] { OpenInWebBrowser(); });
    OnCommand(Cmd::ID_PROJECT_ADDJAVAFILES, [this] { m_project.AddJavaFiles(); });
    OnCommand(Cmd::ID_PROJECT_ADDHTMLFILE, [this] { m_project.AddHtmlFile(); });
    for (int id : {Cmd::ID_HTML_RUNAPPLET, Cmd::ID_HTML_OPENINBROWSER})
        OnUpdateUI(id, [this](CCmdUI& ui) { ui.Enable(SelectionNamesHtmlFile()); });
    // As in the Build menu: a compile would only be refused while a captured run is active.
    OnUpdateUI(Cmd::ID_BUILD_COMPILE, [this](CCmdUI& ui) {
        const CProjectRunCommands* commands = CProjectRunCommands::Of(m_project);
        ui.Enable(commands != nullptr && !commands->IsRunActive());
    });
}

CUi& CProjectTreePanel::Ui() const
{
    return m_project.GetHost().GetUi();
}

bool CProjectTreePanel::NamesHtmlFile(const std::string& text) const
{
    return m_project.GetPlainFiles().HasName(text);
}

bool CProjectTreePanel::NamesJavaFile(const std::string& text) const
{
    return m_project.GetJavaFiles().HasName(text);
}

bool CProjectTreePanel::NamesProjectFile(const std::string& text) const
{
    return NamesJavaFile(text) || NamesHtmlFile(text);
}

bool CProjectTreePanel::SelectionNamesHtmlFile() const
{
    const CProjectTreeItem* selected = m_tree.GetSelected();
    return selected != nullptr && NamesHtmlFile(selected->GetText());
}

void CProjectTreePanel::ReportUnableToLocate()
{
    Ui().MessageBox(kUnableToLocate);
    m_project.AddJavaFiles();
}

void CProjectTreePanel::OpenSelected()
{
    const CProjectTreeItem* selected = m_tree.GetSelected();
    if (selected == nullptr) {
        Ui().MessageBox(kItemIsNull);
        return;
    }
    const std::string path = m_project.GetFilePath(selected->GetText());
    const bool bOpened = path != kNoFile ? OpenFileItem(selected->GetText(), path) : OpenClassOrMethod(*selected);
    if (!bOpened)
        ReportUnableToLocate();
}

bool CProjectTreePanel::OpenFileItem(const std::string& name, const std::string& path)
{
    if (m_host.OpenDocumentFile(path) != nullptr)
        return true;
    // The entry's path may be stale: the name alone may still open, from the current folder.
    CJavaFile* file = m_project.GetJavaFiles().FindByName(name);
    if (file == nullptr)
        return false;
    CDocument* doc = m_host.OpenDocumentFile(name);
    if (doc == nullptr)
        return false;
    // The entry takes the path of the file that did open.
    if (m_host.IsJavaSource(*doc) && !doc->GetPathName().empty() && doc->GetPathName() != file->GetPath()) {
        file->SetPath(doc->GetPathName());
        m_project.SetModifiedFlag();
    }
    return true;
}

bool CProjectTreePanel::OpenAtEntry(const std::string& path, const std::vector<std::string>& entries)
{
    if (path == kNoFile)
        return false;
    CDocument* doc = m_host.OpenDocumentFile(path);
    if (doc == nullptr || !m_host.IsJavaSource(*doc))
        return false;
    for (const std::string& entry : entries) {
        const std::int32_t nPos = m_host.FindEntryPosition(*doc, entry);
        if (nPos >= 0) {
            m_host.GoToPosition(*doc, nPos);
            return true;
        }
    }
    return false;
}

bool CProjectTreePanel::OpenClassOrMethod(const CProjectTreeItem& item)
{
    const CJavaFileList& files = m_project.GetJavaFiles();
    for (int i = 0; i < files.GetCount(); ++i) {
        if (!files.GetAt(i)->GetClasses().HasClass(item.GetText()))
            continue;
        // The class's own file shows, at the class when its window lists it.
        const std::string path = m_project.GetFilePath(files.GetAt(i)->GetName());
        CDocument* doc = m_host.OpenDocumentFile(path);
        if (doc == nullptr)
            return false;
        if (m_host.IsJavaSource(*doc)) {
            const std::int32_t nPos = m_host.FindEntryPosition(*doc, item.GetText());
            if (nPos >= 0)
                m_host.GoToPosition(*doc, nPos);
        }
        return true;
    }
    const CProjectTreeItem* parent = item.GetParent();
    if (parent == nullptr || parent == &m_tree.GetRoot()) {
        Ui().MessageBox(kParentIsNull);
        return true;
    }
    std::vector<std::string> entries = {parent->GetText() + "." + item.GetText()};
    // A method of an inner class is listed under both class names.
    const CProjectTreeItem* grandparent = parent->GetParent();
    if (grandparent != nullptr && grandparent != &m_tree.GetRoot())
        entries.push_back(grandparent->GetText() + "." + parent->GetText() + "." + item.GetText());
    return OpenAtEntry(m_project.GetFilePath(item.GetRootItem()->GetText()), entries);
}

std::vector<CProjectTreePanel::CMenuEntry> CProjectTreePanel::ContextMenu(CProjectTreeItem* item)
{
    if (item == nullptr)
        return {};
    m_tree.Select(item);
    std::vector<CMenuEntry> menu;
    menu.push_back({Cmd::ID_PROJECT_OPENFILE, "Open", true});
    const std::string& text = item->GetText();
    if (NamesProjectFile(text)) {
        if (NamesHtmlFile(text)) {
            menu.push_back({Cmd::ID_HTML_RUNAPPLET, "Run Applet"});
            menu.push_back({Cmd::ID_HTML_OPENINBROWSER, "Open in Web Browser"});
        } else {
            menu.push_back({Cmd::ID_BUILD_COMPILE, "Compile"});
            menu.push_back({Cmd::ID_PROJECT_SETMAIN, "Set as Main"});
        }
        menu.push_back({Cmd::ID_PROJECT_REMOVEFILE, "Remove"});
        menu.push_back({Cmd::ID_PROJECT_SETPACKAGE, "Properties..."});
    }
    menu.push_back({});
    menu.push_back({Cmd::ID_PROJECT_ADDJAVAFILES, "Add Java Source Files..."});
    menu.push_back({Cmd::ID_PROJECT_ADDHTMLFILE, "Add HTML File..."});
    return menu;
}

void CProjectTreePanel::Compile()
{
    const CProjectTreeItem* selected = m_tree.GetSelected();
    if (selected == nullptr) {
        Ui().MessageBox(kItemIsNull);
        return;
    }
    if (NamesHtmlFile(selected->GetText())) {
        Ui().MessageBox(kCantCompileHtml);
        return;
    }
    if (!NamesJavaFile(selected->GetText()))
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(m_project))
        commands->CompileFile(m_project.GetFilePath(selected->GetText()));
}

void CProjectTreePanel::SetAsMain()
{
    CProjectTreeItem* selected = m_tree.GetSelected();
    // An HTML page cannot be the main Java file: Build would hand it to the compiler.
    if (selected == nullptr || !NamesJavaFile(selected->GetText())) {
        Ui().MessageBox(kOnlyJavaMain);
        return;
    }
    const std::string name = selected->GetText();
    // The refresh makes the item again, with the main file's picture.
    m_tree.DeleteItem(*selected);
    m_project.SetMainJavaFile(name);
}

void CProjectTreePanel::Remove()
{
    CProjectTreeItem* selected = m_tree.GetSelected();
    if (selected == nullptr || !NamesProjectFile(selected->GetText())) {
        Ui().MessageBox(kNoFilesToRemove);
        return;
    }
    const std::string path = m_project.GetFilePath(selected->GetText());
    m_tree.DeleteItem(*selected);
    m_project.RemoveFile(path);
}

void CProjectTreePanel::Properties()
{
    const CProjectTreeItem* selected = m_tree.GetSelected();
    if (selected == nullptr)
        return;
    CFilePropertiesDlg dialog(m_host.GetShell(), selected->GetText(), m_project.GetFilePath(selected->GetText()));
    Ui().DoModal(dialog);
}

void CProjectTreePanel::RunApplet()
{
    if (!SelectionNamesHtmlFile())
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(m_project))
        commands->RunApplet(m_project.GetFilePath(m_tree.GetSelected()->GetText()));
}

void CProjectTreePanel::OpenInWebBrowser()
{
    if (SelectionNamesHtmlFile())
        m_host.GetShell().Open(m_project.GetFilePath(m_tree.GetSelected()->GetText()));
}
