#include "ProjectFormView.h"

#include "ProjectWindowsQt.h"

#include "framework/CommandIds.h"
#include "framework/qt/MDIChildWnd.h"
#include "project/JavaProjectDoc.h"
#include "project/ProjectWindows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* ShownField(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setStyleSheet("QLineEdit { background: transparent; }");
    return edit;
}

// A shown field narrower than its text keeps the text's start in sight, not its end.
void ShowText(QLineEdit& field, const std::string& text)
{
    field.setText(QString::fromStdString(text));
    field.setCursorPosition(0);
}

// The form's decoration: a cup of something hot beside a page of source.
QPixmap Decoration()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 2.5, 26, 34));
    p.setPen(QPen(QColor(176, 80, 20), 2));
    for (int y = 9; y <= 30; y += 5)
        p.drawLine(QPointF(9, y), QPointF(9 + (y * 7) % 17, y));
    p.setPen(QPen(QColor(60, 40, 20), 1.5));
    p.setBrush(QColor(200, 120, 60));
    p.drawRoundedRect(QRectF(22.5, 26.5, 18, 18), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(37, 30, 9, 9), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(150, 150, 150), 1.2));
    p.drawArc(QRectF(26, 14, 5, 10), 90 * 16, 180 * 16);
    p.drawArc(QRectF(32, 14, 5, 10), 90 * 16, 180 * 16);
    return pixmap;
}

}  // namespace

CProjectFormView::CProjectFormView(CJavaProjectDoc& doc, QWidget* parent)
    : CView(doc, parent),
      m_form(doc),
      m_pName(ShownField(this, "ProjectName")),
      m_pPath(ShownField(this, "FilePath")),
      m_pMainJava(new QComboBox(this)),
      m_pMainPackage(ShownField(this, "MainPackage")),
      m_pMainHtml(new QComboBox(this)),
      m_pJavaSwitches(new QLineEdit(this)),
      m_pSetJava(new QPushButton("Set", this)),
      m_pJavacSwitches(new QLineEdit(this)),
      m_pSetJavac(new QPushButton("Set", this)),
      m_pReset(new QPushButton("Reset to Defaults", this))
{
    m_pMainJava->setObjectName("MainJavaFile");
    m_pMainHtml->setObjectName("MainHtmlFile");
    m_pJavaSwitches->setObjectName("JavaSwitches");
    m_pJavacSwitches->setObjectName("JavacSwitches");
    for (QComboBox* list : {m_pMainJava, m_pMainHtml}) {
        list->setMaxVisibleItems(12);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(20);
    }

    auto* outer = new QVBoxLayout(this);
    auto* box = new QGroupBox("Ondrik Project Properties", this);
    outer->addWidget(box);
    outer->addStretch(1);
    auto* grid = new QGridLayout(box);
    int row = 0;
    auto label = [box](const char* text) { return new QLabel(text, box); };
    grid->addWidget(label("Project Name:"), row, 0);
    grid->addWidget(m_pName, row++, 1, 1, 2);
    grid->addWidget(label("File Path:"), row, 0);
    grid->addWidget(m_pPath, row++, 1, 1, 2);
    grid->addWidget(label("Main Java File:"), row, 0);
    // The main class's package, read from the main file: the run commands name the class by it.
    auto* mainJava = new QHBoxLayout;
    mainJava->addWidget(m_pMainJava, 1);
    mainJava->addWidget(label("Package:"));
    mainJava->addWidget(m_pMainPackage, 1);
    grid->addLayout(mainJava, row++, 1);
    grid->addWidget(label("Main HTML File:"), row, 0);
    grid->addWidget(m_pMainHtml, row++, 1);
    grid->addWidget(label("Advanced settings:"), row++, 0, 1, 3);
    grid->addWidget(label("Java Switches:"), row, 0);
    grid->addWidget(m_pJavaSwitches, row, 1);
    grid->addWidget(m_pSetJava, row++, 2);
    grid->addWidget(label("Javac Switches:"), row, 0);
    grid->addWidget(m_pJavacSwitches, row, 1);
    grid->addWidget(m_pSetJavac, row++, 2);
    grid->addWidget(m_pReset, row++, 1, Qt::AlignLeft);
    auto* pictures = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) {
        auto* picture = new QLabel(box);
        picture->setPixmap(Decoration());
        pictures->addWidget(picture);
    }
    pictures->addStretch(1);
    grid->addLayout(pictures, 0, 3, row, 1);
    grid->setColumnStretch(1, 1);

    connect(m_pMainJava, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_bFilling && index >= 0)
            m_form.ChooseMainJavaFile(m_pMainJava->itemText(index).toStdString());
    });
    connect(m_pMainHtml, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_bFilling && index >= 0)
            m_form.ChooseMainHtmlFile(m_pMainHtml->itemText(index).toStdString());
    });
    connect(m_pJavaSwitches, &QLineEdit::textChanged, this, [this] {
        if (!m_bFilling)
            m_pSetJava->setEnabled(true);
    });
    connect(m_pJavacSwitches, &QLineEdit::textChanged, this, [this] {
        if (!m_bFilling)
            m_pSetJavac->setEnabled(true);
    });
    connect(m_pSetJava, &QPushButton::clicked, this, [this] { OnSetJava(); });
    connect(m_pSetJavac, &QPushButton::clicked, this, [this] { OnSetJavac(); });
    connect(m_pReset, &QPushButton::clicked, this, [this] { OnReset(); });

    for (int id : {Cmd::ID_PROJECT_REMOVEFILE, Cmd::ID_PROJECT_SETMAIN})
        OnCommand(id, [this, id] { ForwardToTree(id); });
    setMinimumSize(420, 260);
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
    if (CMDIChildWnd* frame = GetParentFrame())
        frame->showMaximized();
}

void CProjectFormView::FillList(QComboBox& list, const std::vector<std::string>& names, int nSelected)
{
    QStringList items;
    for (const std::string& name : names)
        items << QString::fromStdString(name);
    QStringList shown;
    for (int i = 0; i < list.count(); ++i)
        shown << list.itemText(i);
    // The list is rebuilt only when the names changed: a choice in it refreshes the form
    // from within the list's own notification.
    if (items != shown) {
        list.clear();
        list.addItems(items);
    }
    list.setCurrentIndex(nSelected);
    list.setEnabled(!items.isEmpty());
}

void CProjectFormView::OnUpdate()
{
    CJavaProjectDoc* project = Project();
    if (project == nullptr)
        return;
    m_bFilling = true;
    ShowText(*m_pName, project->GetTitle());
    ShowText(*m_pPath, project->GetPathName());
    FillList(*m_pMainJava, m_form.JavaFileNames(), m_form.MainJavaIndex());
    ShowText(*m_pMainPackage, project->GetMainPackage());
    FillList(*m_pMainHtml, m_form.HtmlFileNames(), m_form.MainHtmlIndex());
    m_pJavaSwitches->setText(QString::fromStdString(project->GetJavaSwitches()));
    m_pJavacSwitches->setText(QString::fromStdString(project->GetJavacSwitches()));
    m_pSetJava->setEnabled(false);
    m_pSetJavac->setEnabled(false);
    m_bFilling = false;
}

void CProjectFormView::OnSetJava()
{
    m_form.SetJavaSwitches(m_pJavaSwitches->text().toStdString());
    m_pSetJava->setEnabled(false);
}

void CProjectFormView::OnSetJavac()
{
    m_form.SetJavacSwitches(m_pJavacSwitches->text().toStdString());
    m_pSetJavac->setEnabled(false);
}

void CProjectFormView::OnReset()
{
    if (!m_form.ResetToDefaults())
        return;
    const CJavaProjectDoc* project = Project();
    m_bFilling = true;
    m_pJavaSwitches->setText(QString::fromStdString(project->GetJavaSwitches()));
    m_pJavacSwitches->setText(QString::fromStdString(project->GetJavacSwitches()));
    m_bFilling = false;
    m_pSetJava->setEnabled(false);
    m_pSetJavac->setEnabled(false);
}

void CProjectFormView::ForwardToTree(int id)
{
    const CJavaProjectDoc* project = Project();
    auto* windows = project != nullptr ? dynamic_cast<CProjectWindowsQt*>(project->GetWindows()) : nullptr;
    if (CProjectTreePanel* panel = windows != nullptr ? windows->GetTreePanel() : nullptr)
        panel->RunCommand(id);
}
