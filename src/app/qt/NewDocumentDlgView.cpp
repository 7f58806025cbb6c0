#include "NewDocumentDlgView.h"

#include "AppIcons.h"

#include "app/NewDocumentDlg.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CNewDocumentDlgView::CNewDocumentDlgView(CNewDocumentDlg& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_pList(new QListWidget(this))
{
    setWindowTitle(QString::fromStdString(m_model.DialogName()));
    auto* layout = new QVBoxLayout(this);
    m_pList->setObjectName("1015");
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setIconSize(QSize(32, 32));
    m_pList->setGridSize(QSize(110, 72));
    m_pList->setMovement(QListView::Static);
    m_pList->setWordWrap(true);
    m_pList->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kJavaSource), "Java Source File"));
    m_pList->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kProject), "Ondrik Project"));
    m_pList->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kHtmlPage), "HTML Page"));
    m_pList->setCurrentRow(-1);
    m_pList->clearSelection();
    layout->addWidget(m_pList);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::accepted, this, &CNewDocumentDlgView::OnOK);
    resize(380, 180);
}

void CNewDocumentDlgView::OnOK()
{
    const auto selected = m_pList->selectedItems();
    if (m_model.OnOK(selected.isEmpty() ? -1 : m_pList->row(selected.front())))
        accept();
}

int CNewDocumentDlgView::Show(CNewDocumentDlg& model, QWidget* owner)
{
    CNewDocumentDlgView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
