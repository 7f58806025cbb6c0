#include "FilePropertiesDlgView.h"

#include "framework/ModalDialog.h"
#include "projectwindow/FilePropertiesDlg.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace FilePropertiesDlgView {

int Show(CFilePropertiesDlg& dialog, QWidget* owner)
{
    QDialog box(owner);
    box.setWindowTitle(QString::fromStdString(dialog.DialogName()));
    auto* grid = new QGridLayout(&box);
    auto* name = new QLineEdit(QString::fromStdString(dialog.GetFileName()), &box);
    name->setObjectName("FileName");
    name->setReadOnly(true);
    auto* path = new QPlainTextEdit(QString::fromStdString(dialog.GetFullPath()), &box);
    path->setObjectName("FullPath");
    path->setReadOnly(true);
    path->setFixedHeight(path->fontMetrics().lineSpacing() * 3 + 10);
    auto* openFolder = new QPushButton("Open Folder", &box);
    openFolder->setEnabled(!dialog.FolderUrl().empty());
    openFolder->setAutoDefault(false);
    auto* ok = new QPushButton("OK", &box);
    ok->setDefault(true);
    grid->addWidget(new QLabel("File Name:", &box), 0, 0);
    grid->addWidget(name, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Full path:", &box), 1, 0, Qt::AlignTop);
    grid->addWidget(path, 1, 1, 1, 2);
    grid->addWidget(openFolder, 2, 1, Qt::AlignLeft);
    grid->addWidget(ok, 2, 2, Qt::AlignRight);
    box.resize(380, box.sizeHint().height());
    QObject::connect(openFolder, &QPushButton::clicked, &box, [&dialog] { dialog.OnOpenFolder(); });
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    return box.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace FilePropertiesDlgView
