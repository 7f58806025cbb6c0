#include "RecentProjectsDlg.h"

#include "framework/Ui.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CRecentProjectsDlg::CRecentProjectsDlg(CUi& ui, std::vector<std::string>& recentProjects)
    : m_ui(ui), m_recentProjects(recentProjects), m_lines(recentProjects)
{
}

bool CRecentProjectsDlg::OnOK(int selected)
{
    if (selected < 0 || selected >= static_cast<int>(m_lines.size())) {
        m_ui.MessageBox("Please choose an item from the list");
        return false;
    }
    m_strSelectedPath = m_lines[static_cast<std::size_t>(selected)];
    return true;
}

void CRecentProjectsDlg::OnRemove(int selected)
{
    if (selected < 0 || selected >= static_cast<int>(m_lines.size()))
        return;
    m_strSelectedPath = m_lines[static_cast<std::size_t>(selected)];
    const auto it = std::find(m_recentProjects.begin(), m_recentProjects.end(), m_strSelectedPath);
    if (it != m_recentProjects.end())
        m_recentProjects.erase(it);
    m_lines.erase(m_lines.begin() + selected);
}

int CRecentProjectsDlg::Execute()
{
    QDialog dialog;
    dialog.setWindowTitle("Recent Projects");
    dialog.resize(520, 300);
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    auto fill = [&] {
        list->clear();
        for (const auto& line : m_lines)
            list->addItem(QString::fromStdString(line));
    };
    fill();
    layout->addWidget(list);
    layout->addWidget(new QLabel("Choose a recent project from the list above", &dialog));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* remove = box->addButton("Remove", QDialogButtonBox::ActionRole);
    layout->addWidget(box);

    auto accept = [&] {
        if (OnOK(list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentRow() : -1))
            dialog.accept();
    };
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, accept);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, accept);
    QObject::connect(remove, &QPushButton::clicked, &dialog, [&] {
        const int row = list->currentItem() != nullptr && list->currentItem()->isSelected() ? list->currentRow() : -1;
        OnRemove(row);
        fill();
        list->clearSelection();
        list->setCurrentRow(-1);
    });
    if (!m_lines.empty())
        list->setCurrentRow(0);
    list->setFocus();
    return dialog.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
