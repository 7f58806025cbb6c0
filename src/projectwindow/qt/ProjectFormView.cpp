#include "ProjectFormView.h"

#include "project/JavaProjectDoc.h"
#include "project/ProjectWindows.h"

#include <QFormLayout>
#include <QLabel>

namespace {

QLabel* ValueLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString Shown(const std::string& text)
{
    return text.empty() ? QStringLiteral("(none)") : QString::fromStdString(text);
}

}  // namespace

CProjectFormView::CProjectFormView(CJavaProjectDoc& doc, QWidget* parent)
    : CView(doc, parent),
      m_pMainJavaFile(ValueLabel(this)),
      m_pMainHtmlFile(ValueLabel(this)),
      m_pJavaSwitches(ValueLabel(this)),
      m_pJavacSwitches(ValueLabel(this)),
      m_pFiles(ValueLabel(this))
{
    auto* form = new QFormLayout(this);
    form->addRow("Main Java file:", m_pMainJavaFile);
    form->addRow("Main HTML file:", m_pMainHtmlFile);
    form->addRow("Java switches:", m_pJavaSwitches);
    form->addRow("Javac switches:", m_pJavacSwitches);
    form->addRow("Files:", m_pFiles);
    setMinimumSize(360, 180);
}

CJavaProjectDoc* CProjectFormView::Project() const
{
    return static_cast<CJavaProjectDoc*>(GetDocument());
}

void CProjectFormView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    // Opening the project shows its project window bar; a second form window on the same
    // project leaves the bar as it is.
    CJavaProjectDoc* project = Project();
    if (project != nullptr && project->GetWindows() != nullptr && !project->GetWindows()->HasProjectBar())
        project->OnProjectWindow();
}

void CProjectFormView::OnUpdate()
{
    const CJavaProjectDoc* project = Project();
    if (project == nullptr)
        return;
    m_pMainJavaFile->setText(Shown(project->GetMainJavaFile()));
    m_pMainHtmlFile->setText(Shown(project->GetMainHtmlFile()));
    m_pJavaSwitches->setText(Shown(project->GetJavaSwitches()));
    m_pJavacSwitches->setText(Shown(project->GetJavacSwitches()));
    QStringList files;
    for (int i = 0; i < project->GetJavaFiles().GetCount(); ++i)
        files << QString::fromStdString(project->GetJavaFiles().GetAt(i)->GetName());
    for (int i = 0; i < project->GetPlainFiles().GetCount(); ++i)
        files << QString::fromStdString(project->GetPlainFiles().GetAt(i)->GetName());
    m_pFiles->setText(files.isEmpty() ? QStringLiteral("(none)") : files.join(", "));
}
