#include "NewDocumentDlg.h"

#include "AppIcons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

bool CNewDocumentDlg::OnOK(int selected)
{
    if (selected < 0 || selected > kHtmlPage)
        return false;
    m_nSelected = selected;
    return true;
}

int CNewDocumentDlg::Execute()
{
    QDialog dialog;
    dialog.setWindowTitle("New Ondrik Document");
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setViewMode(QListView::IconMode);
    list->setIconSize(QSize(32, 32));
    list->setGridSize(QSize(110, 72));
    list->setMovement(QListView::Static);
    list->setWordWrap(true);
    list->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kJavaSource), "Java Source File"));
    list->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kProject), "Ondrik Project"));
    list->addItem(new QListWidgetItem(AppIcons::DocumentIcon(AppIcons::kHtmlPage), "HTML Page"));
    list->setCurrentRow(-1);
    list->clearSelection();
    layout->addWidget(list);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(box);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, [&] {
        const auto selected = list->selectedItems();
        if (OnOK(selected.isEmpty() ? -1 : list->row(selected.front())))
            dialog.accept();
    });
    dialog.resize(380, 180);
    return dialog.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
