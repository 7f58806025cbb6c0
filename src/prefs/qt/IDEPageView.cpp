#include "IDEPageView.h"

#include "PrefsQt.h"

#include "prefs/JdkFolderInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using PrefsQt::FromQt;
using PrefsQt::ToQt;

namespace {

QCheckBox* MakeCheck(const char* id, const char* label, QWidget* parent)
{
    auto* box = new QCheckBox(label, parent);
    box->setObjectName(id);
    return box;
}

QPushButton* MakeBrowse(const char* id, QWidget* parent)
{
    auto* button = new QPushButton("...", parent);
    button->setObjectName(id);
    button->setMaximumWidth(40);
    return button;
}

}  // namespace

CIDEPageView::CIDEPageView(CIDEPage& model, QWidget* parent)
    : CPrefsPageView(parent),
      m_model(model),
      m_pSaveComp(MakeCheck("1008", "Save all files before compiling", this)),
      m_pLoadLast(MakeCheck("1010", "Load last open project on startup", this)),
      m_pShowArgs(MakeCheck("1019", "Ask for input before running Applications", this)),
      m_pShowDrops(MakeCheck("1041", "Show function drop-downs in source windows", this))
{
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {m_pSaveComp, m_pLoadLast, m_pShowArgs, m_pShowDrops})
        layout->addWidget(box);

    auto* help = new QGroupBox("Help path", this);
    auto* helpLayout = new QGridLayout(help);
    helpLayout->addWidget(new QLabel("Path to the JDK help: its javadoc folder or an HTML page", help), 0, 0, 1, 2);
    m_pHelpPath = new QLineEdit(help);
    m_pHelpPath->setObjectName("1009");
    helpLayout->addWidget(m_pHelpPath, 1, 0);
    QPushButton* browseHelp = MakeBrowse("1021", help);
    helpLayout->addWidget(browseHelp, 1, 1);
    layout->addWidget(help);

    auto* jdk = new QGroupBox("JDK Location", this);
    auto* jdkLayout = new QGridLayout(jdk);
    jdkLayout->addWidget(new QLabel("Enter the full path to the JDK folder on your hard drive:", jdk), 0, 0, 1, 2);
    m_pJavaBin = new QComboBox(jdk);
    m_pJavaBin->setObjectName("1000");
    m_pJavaBin->setEditable(true);
    m_pJavaBin->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& folder : CJdkFolderInfo::InstalledJdks())
        m_pJavaBin->addItem(ToQt(folder));
    jdkLayout->addWidget(m_pJavaBin, 1, 0);
    QPushButton* browseJdk = MakeBrowse("1020", jdk);
    jdkLayout->addWidget(browseJdk, 1, 1);
    m_pJdkInfo = new QLabel(jdk);
    m_pJdkInfo->setObjectName("jdkInfo");
    jdkLayout->addWidget(m_pJdkInfo, 2, 0, 1, 2);
    layout->addWidget(jdk);
    layout->addStretch();

    Write(m_model.ToControls());
    ShowJdkInfo();
    connect(m_pJavaBin, &QComboBox::editTextChanged, this, &CIDEPageView::ShowJdkInfo);
    connect(browseJdk, &QPushButton::clicked, this, &CIDEPageView::OnBrowseJdkFolder);
    connect(browseHelp, &QPushButton::clicked, this, &CIDEPageView::OnBrowseHelpFile);
}

CIDEPage::CControls CIDEPageView::Read() const
{
    CIDEPage::CControls controls;
    controls.bSaveComp = m_pSaveComp->isChecked();
    controls.bLoadLast = m_pLoadLast->isChecked();
    controls.bShowArgs = m_pShowArgs->isChecked();
    controls.bShowDrops = m_pShowDrops->isChecked();
    controls.strHelpPath = FromQt(m_pHelpPath->text());
    controls.strJavaBin = FromQt(m_pJavaBin->currentText());
    return controls;
}

void CIDEPageView::Write(const CIDEPage::CControls& controls)
{
    m_pSaveComp->setChecked(controls.bSaveComp);
    m_pLoadLast->setChecked(controls.bLoadLast);
    m_pShowArgs->setChecked(controls.bShowArgs);
    m_pShowDrops->setChecked(controls.bShowDrops);
    m_pHelpPath->setText(ToQt(controls.strHelpPath));
    m_pJavaBin->setEditText(ToQt(controls.strJavaBin));
}

bool CIDEPageView::OnKillActive()
{
    m_model.FromControls(Read());
    return true;
}

void CIDEPageView::OnBrowseJdkFolder()
{
    CIDEPage::CControls controls = Read();
    m_model.OnBrowseJdkFolder(controls);
    m_pJavaBin->setEditText(ToQt(controls.strJavaBin));
}

void CIDEPageView::OnBrowseHelpFile()
{
    CIDEPage::CControls controls = Read();
    m_model.OnBrowseHelpFile(controls);
    m_pHelpPath->setText(ToQt(controls.strHelpPath));
}

void CIDEPageView::ShowJdkInfo()
{
    m_pJdkInfo->setText(ToQt(CJdkFolderInfo::Describe(FromQt(m_pJavaBin->currentText()))));
}
