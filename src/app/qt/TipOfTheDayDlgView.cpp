#include "TipOfTheDayDlgView.h"

#include "AppIcons.h"

#include "app/TipOfTheDayDlg.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CTipOfTheDayDlgView::CTipOfTheDayDlgView(CTipOfTheDayDlg& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(QString::fromStdString(m_model.DialogName()));
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(white);
    auto* area = new QVBoxLayout(frame);
    auto* heading = new QHBoxLayout;
    auto* picture = new QLabel(frame);
    picture->setPixmap(AppIcons::TipPicture());
    heading->addWidget(picture);
    auto* didYouKnow = new QLabel("Did you know...", frame);
    QFont big = didYouKnow->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    didYouKnow->setFont(big);
    heading->addWidget(didYouKnow, 1, Qt::AlignVCenter);
    area->addLayout(heading);
    m_pTip = new QLabel(QString::fromStdString(m_model.m_strTip), frame);
    m_pTip->setObjectName("1004");
    m_pTip->setWordWrap(true);
    m_pTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pTip->setMinimumSize(360, 120);
    area->addWidget(m_pTip, 1);
    body->addWidget(frame, 1);

    auto* buttons = new QVBoxLayout;
    m_pNext = new QPushButton("&Next Tip", this);
    m_pClose = new QPushButton("&Close", this);
    m_pClose->setDefault(true);
    m_pNext->setEnabled(m_model.CanShowNextTip());
    buttons->addWidget(m_pNext);
    buttons->addWidget(m_pClose);
    buttons->addStretch(1);
    body->addLayout(buttons);
    layout->addLayout(body);
    m_pStartup = new QCheckBox("&Show Tips on StartUp", this);
    m_pStartup->setChecked(m_model.m_bStartup);
    layout->addWidget(m_pStartup);

    connect(m_pNext, &QPushButton::clicked, this, &CTipOfTheDayDlgView::OnNextTip);
    connect(m_pClose, &QPushButton::clicked, this, &CTipOfTheDayDlgView::OnClose);
}

void CTipOfTheDayDlgView::OnNextTip()
{
    m_model.OnNextTip();
    m_pTip->setText(QString::fromStdString(m_model.m_strTip));
    m_pNext->setEnabled(m_model.CanShowNextTip());
}

void CTipOfTheDayDlgView::OnClose()
{
    accept();
    m_model.OnClose(m_pStartup->isChecked());
}

int CTipOfTheDayDlgView::Show(CTipOfTheDayDlg& model, QWidget* owner)
{
    CTipOfTheDayDlgView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
