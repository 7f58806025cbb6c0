#include "GoToLineDlgView.h"

#include "editor/GoToLineDlg.h"
#include "framework/ModalDialog.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace GoToLineDlgView {

int Show(CGoToLineDlg& dialog, QWidget* owner)
{
    QDialog box(owner);
    box.setWindowTitle(QString::fromStdString(dialog.DialogName()));
    auto* field = new QLineEdit(QString::fromStdString(dialog.m_strLine), &box);
    field->setObjectName("Line");
    field->selectAll();
    auto* label = new QLabel(QString::fromStdString(dialog.Prompt()), &box);
    label->setBuddy(field);
    auto* ok = new QPushButton("OK", &box);
    ok->setDefault(true);
    auto* cancel = new QPushButton("Cancel", &box);
    auto* grid = new QGridLayout(&box);
    grid->addWidget(label, 0, 0);
    grid->addWidget(ok, 0, 1);
    grid->addWidget(field, 1, 0);
    grid->addWidget(cancel, 1, 1);
    QObject::connect(ok, &QPushButton::clicked, &box, [&] {
        if (dialog.OnOK(field->text().toStdString())) {
            box.accept();
            return;
        }
        field->setFocus();
        field->selectAll();
    });
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);
    return box.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}

}  // namespace GoToLineDlgView
