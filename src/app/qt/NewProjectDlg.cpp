#include "NewProjectDlg.h"

#include "framework/Ui.h"

#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

bool CNewProjectDlg::OnOK(int type, std::string& className)
{
    if (!className.empty() || type == kEmpty) {
        m_nProjectType = type;
        m_strClassName = className;
        return true;
    }
    m_ui.MessageBox("Please enter a name for your class");
    className = "MyApp";
    return false;
}

int CNewProjectDlg::Execute()
{
    QDialog dialog;
    dialog.setWindowTitle("New Project");
    auto* layout = new QVBoxLayout(&dialog);
    auto* group = new QGroupBox("New Project Type", &dialog);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(&dialog);
    const char* const labels[] = {"Empty Project", "Application Project", "Applet Project"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(labels[i], group);
        buttons->addButton(radio, i);
        groupLayout->addWidget(radio);
    }
    if (QAbstractButton* preset = buttons->button(m_nProjectType))
        preset->setChecked(true);
    layout->addWidget(group);
    layout->addWidget(new QLabel("Class name (for main class)", &dialog));
    auto* name = new QLineEdit(QString::fromStdString(m_strClassName), &dialog);
    layout->addWidget(name);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(box);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, [&] {
        std::string text = name->text().toStdString();
        if (OnOK(buttons->checkedId(), text)) {
            dialog.accept();
            return;
        }
        name->setText(QString::fromStdString(text));
        name->selectAll();
        name->setFocus();
    });
    name->selectAll();
    name->setFocus();
    return dialog.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
