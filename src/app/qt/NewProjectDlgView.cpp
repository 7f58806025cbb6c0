#include "NewProjectDlgView.h"

#include "app/NewProjectDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CNewProjectDlgView::CNewProjectDlgView(CNewProjectDlg& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_pTypes(new QButtonGroup(this))
{
    setWindowTitle(QString::fromStdString(m_model.DialogName()));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox("New Project Type", this);
    auto* groupLayout = new QVBoxLayout(group);
    const char* const labels[] = {"Empty Project", "Application Project", "Applet Project"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(labels[i], group);
        m_pTypes->addButton(radio, i);
        groupLayout->addWidget(radio);
    }
    if (QAbstractButton* preset = m_pTypes->button(m_model.m_nProjectType))
        preset->setChecked(true);
    layout->addWidget(group);
    layout->addWidget(new QLabel("Class name (for main class)", this));
    m_pName = new QLineEdit(QString::fromStdString(m_model.m_strClassName), this);
    m_pName->setObjectName("1000");
    layout->addWidget(m_pName);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::accepted, this, &CNewProjectDlgView::OnOK);
    m_pName->selectAll();
    m_pName->setFocus();
}

void CNewProjectDlgView::OnOK()
{
    std::string text = m_pName->text().toStdString();
    if (m_model.OnOK(m_pTypes->checkedId(), text)) {
        accept();
        return;
    }
    m_pName->setText(QString::fromStdString(text));
    m_pName->selectAll();
    m_pName->setFocus();
}

int CNewProjectDlgView::Show(CNewProjectDlg& model, QWidget* owner)
{
    CNewProjectDlgView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
