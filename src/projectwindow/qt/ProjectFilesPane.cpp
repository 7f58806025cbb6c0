#include "ProjectFilesPane.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"

namespace {

QTreeWidgetItem* AddItem(QTreeWidgetItem& parent, const std::string& text)
{
    return new QTreeWidgetItem(&parent, QStringList(QString::fromStdString(text)));
}

}  // namespace

CProjectFilesPane::CProjectFilesPane(const CJavaProjectDoc& project, QWidget* parent)
    : QTreeWidget(parent), m_project(project)
{
    setObjectName("ProjectFiles");
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    Rebuild();
}

void CProjectFilesPane::AddClass(QTreeWidgetItem& parent, const CJavaClass& javaClass)
{
    QTreeWidgetItem* item = AddItem(parent, javaClass.GetName());
    for (const std::string& method : javaClass.GetMethods())
        AddItem(*item, method);
    const CJavaClassList& inner = javaClass.GetInnerClasses();
    for (int i = 0; i < inner.GetCount(); ++i)
        AddClass(*item, *inner.GetAt(i));
}

void CProjectFilesPane::Rebuild()
{
    clear();
    auto* javaFiles = new QTreeWidgetItem(this, QStringList("Java Files"));
    for (int i = 0; i < m_project.GetJavaFiles().GetCount(); ++i) {
        const CJavaFile& file = *m_project.GetJavaFiles().GetAt(i);
        QTreeWidgetItem* fileItem = AddItem(*javaFiles, file.GetName());
        for (int c = 0; c < file.GetClasses().GetCount(); ++c)
            AddClass(*fileItem, *file.GetClasses().GetAt(c));
    }
    auto* htmlFiles = new QTreeWidgetItem(this, QStringList("HTML Files"));
    for (int i = 0; i < m_project.GetPlainFiles().GetCount(); ++i)
        AddItem(*htmlFiles, m_project.GetPlainFiles().GetAt(i)->GetName());
    javaFiles->setExpanded(true);
    htmlFiles->setExpanded(true);
}
