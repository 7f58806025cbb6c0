#include "ProjectForm.h"

#include "NameOrder.h"

#include "framework/Ui.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectHost.h"

#include <algorithm>

namespace {

template <typename List>
std::vector<std::string> SortedNames(const List& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i)
        names.push_back(list.GetAt(i)->GetName());
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return NameOrder::Before(a, b); });
    return names;
}

int IndexIn(const std::vector<std::string>& names, const std::string& name)
{
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() || name.empty() ? -1 : static_cast<int>(it - names.begin());
}

}  // namespace

std::vector<std::string> CProjectForm::JavaFileNames() const
{
    return SortedNames(m_project.GetJavaFiles());
}

std::vector<std::string> CProjectForm::HtmlFileNames() const
{
    return SortedNames(m_project.GetPlainFiles());
}

int CProjectForm::MainJavaIndex() const
{
    return IndexIn(JavaFileNames(), m_project.GetMainJavaFile());
}

int CProjectForm::MainHtmlIndex() const
{
    return IndexIn(HtmlFileNames(), m_project.GetMainHtmlFile());
}

void CProjectForm::ChooseMainJavaFile(const std::string& name)
{
    if (name != m_project.GetMainJavaFile())
        m_project.SetMainJavaFile(name);
}

void CProjectForm::ChooseMainHtmlFile(const std::string& name)
{
    if (name != m_project.GetMainHtmlFile())
        m_project.SetMainHtmlFile(name);
}

void CProjectForm::SetJavaSwitches(const std::string& switches)
{
    if (switches == m_project.GetJavaSwitches())
        return;
    m_project.SetJavaSwitches(switches);
    m_project.SetModifiedFlag();
}

void CProjectForm::SetJavacSwitches(const std::string& switches)
{
    if (switches == m_project.GetJavacSwitches())
        return;
    m_project.SetJavacSwitches(switches);
    m_project.SetModifiedFlag();
}

bool CProjectForm::ResetToDefaults()
{
    CProjectHost& host = m_project.GetHost();
    if (host.GetUi().MessageBox(kResetQuestion, MsgButtons::OkCancel, MsgIcon::None, kResetCaption) != MsgAnswer::Ok)
        return false;
    SetJavaSwitches(host.GetDefaultJavaOptions());
    SetJavacSwitches(host.GetDefaultJavacSwitches());
    return true;
}
