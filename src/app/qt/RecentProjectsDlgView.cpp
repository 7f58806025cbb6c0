#include "RecentProjectsDlgView.h"

#include "app/RecentProjectsDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CRecentProjectsDlgView::CRecentProjectsDlgView(CRecentProjectsDlg& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_pList(new QListWidget(this))
{
    setWindowTitle(QString::fromStdString(m_model.DialogName()));
    resize(520, 300);
    auto* layout = new QVBoxLayout(this);
    m_pList->setObjectName("1015");
    Fill();
    layout->addWidget(m_pList);
    layout->addWidget(new QLabel("Choose a recent project from the list above", this));
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* remove = box->addButton("Remove", QDialogButtonBox::ActionRole);
    remove->setObjectName("1044");
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::accepted, this, &CRecentProjectsDlgView::OnOK);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &CRecentProjectsDlgView::OnOK);
    connect(remove, &QPushButton::clicked, this, &CRecentProjectsDlgView::OnRemove);
    if (!m_model.Lines().empty())
        m_pList->setCurrentRow(0);
    m_pList->setFocus();
}

void CRecentProjectsDlgView::Fill()
{
    m_pList->clear();
    for (const auto& line : m_model.Lines())
        m_pList->addItem(QString::fromStdString(line));
}

int CRecentProjectsDlgView::SelectedLine() const
{
    return m_pList->currentItem() != nullptr && m_pList->currentItem()->isSelected() ? m_pList->currentRow() : -1;
}

void CRecentProjectsDlgView::OnOK()
{
    if (m_model.OnOK(SelectedLine()))
        accept();
}

void CRecentProjectsDlgView::OnRemove()
{
    m_model.OnRemove(SelectedLine());
    Fill();
    m_pList->clearSelection();
    m_pList->setCurrentRow(-1);
}

int CRecentProjectsDlgView::Show(CRecentProjectsDlg& model, QWidget* owner)
{
    CRecentProjectsDlgView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
