#include "ArgumentsDlgQt.h"

#include "run/ArgumentsDlg.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CArgumentsDlgQt::CArgumentsDlgQt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QString::number(CArgumentsDlg::IDD));
    setWindowTitle(QString::fromUtf8(CArgumentsDlg::kTitle));

    auto* label = new QLabel(QString::fromUtf8(CArgumentsDlg::kPrompt), this);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QString::number(CArgumentsDlg::IDC_ARGUMENTS));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QString::number(kIdOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QString::number(kIdCancel));

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_pEdit, 1, 0);
    layout->addWidget(ok, 0, 1);
    layout->addWidget(cancel, 1, 1);
    label->setBuddy(m_pEdit);

    connect(ok, &QPushButton::clicked, this, [this] { done(kIdOk); });
    connect(cancel, &QPushButton::clicked, this, [this] { done(kIdCancel); });

    // Dialog units: a quarter of the average character width across, an eighth of its height down.
    const QFontMetrics metrics(font());
    resize(CArgumentsDlg::kWidthDlu * metrics.averageCharWidth() / 4,
           CArgumentsDlg::kHeightDlu * metrics.height() / 8);
}

int CArgumentsDlgQt::Show(CArgumentsDlg& dialog, QWidget* owner)
{
    dialog.OnInitDialog();
    CArgumentsDlgQt window(owner);
    window.m_pEdit->setText(QString::fromUtf8(dialog.m_strArguments.data(),
                                              static_cast<qsizetype>(dialog.m_strArguments.size())));
    // Closing the window or pressing Escape cancels, as the Cancel button does.
    const int result = window.exec() == kIdOk ? kIdOk : kIdCancel;
    if (result == kIdOk)
        dialog.m_strArguments = window.m_pEdit->text().toUtf8().toStdString();
    return result;
}
