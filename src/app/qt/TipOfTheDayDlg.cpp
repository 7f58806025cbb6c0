#include "TipOfTheDayDlg.h"

#include "AppIcons.h"

#include "framework/Profile.h"
#include "framework/Ui.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kSection = "Tip";
constexpr const char* kMissing = "The tips file is missing from the Ondrik application folder.";
constexpr const char* kTrouble = "Trouble reading the tips file";
constexpr const char* kNoTips = "The tips file holds no tips.";

}  // namespace

CTipOfTheDayDlg::CTipOfTheDayDlg(CUi& ui, CProfile& profile, const std::string& tipsPath)
    : m_ui(ui), m_profile(profile)
{
    m_bStartup = m_profile.GetProfileInt(kSection, "StartUp", 0) == 0;
    long pos = m_profile.GetProfileInt(kSection, "FilePos", 0);
    if (!m_file.Open(tipsPath)) {
        m_strTip = kMissing;
        return;
    }
    // A new tips file starts again at its first tip.
    const std::string stamp = CTipsFile::CreationTimeText(tipsPath);
    if (stamp != m_profile.GetProfileString(kSection, "TimeStamp", "")) {
        pos = 0;
        m_profile.WriteProfileString(kSection, "TimeStamp", stamp);
    }
    m_bHasTips = true;
    if (!m_file.Seek(pos)) {
        m_ui.MessageBox(kTrouble);
        return;
    }
    OnNextTip();
}

CTipOfTheDayDlg::~CTipOfTheDayDlg()
{
    if (m_file.IsOpen())
        m_profile.WriteProfileInt(kSection, "FilePos", static_cast<int>(m_file.Tell()));
}

void CTipOfTheDayDlg::OnNextTip()
{
    if (!m_file.IsOpen())
        return;
    if (const auto tip = m_file.ReadNextTip()) {
        m_strTip = *tip;
    } else {
        m_strTip = kNoTips;
        m_bHasTips = false;
    }
}

void CTipOfTheDayDlg::OnClose(bool bShowAtStartup)
{
    m_bStartup = bShowAtStartup;
    m_profile.WriteProfileInt(kSection, "StartUp", bShowAtStartup ? 0 : 1);
}

int CTipOfTheDayDlg::Execute()
{
    QDialog dialog;
    dialog.setWindowTitle("Tip of the Day");
    auto* layout = new QVBoxLayout(&dialog);
    auto* body = new QHBoxLayout;
    auto* frame = new QFrame(&dialog);
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
    auto* tip = new QLabel(QString::fromStdString(m_strTip), frame);
    tip->setWordWrap(true);
    tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tip->setMinimumSize(360, 120);
    area->addWidget(tip, 1);
    body->addWidget(frame, 1);

    auto* buttons = new QVBoxLayout;
    auto* next = new QPushButton("&Next Tip", &dialog);
    auto* close = new QPushButton("&Close", &dialog);
    close->setDefault(true);
    next->setEnabled(m_bHasTips);
    buttons->addWidget(next);
    buttons->addWidget(close);
    buttons->addStretch(1);
    body->addLayout(buttons);
    layout->addLayout(body);
    auto* startup = new QCheckBox("&Show Tips on StartUp", &dialog);
    startup->setChecked(m_bStartup);
    layout->addWidget(startup);

    QObject::connect(next, &QPushButton::clicked, &dialog, [&] {
        OnNextTip();
        tip->setText(QString::fromStdString(m_strTip));
        next->setEnabled(m_bHasTips);
    });
    QObject::connect(close, &QPushButton::clicked, &dialog, [&] {
        dialog.accept();
        OnClose(startup->isChecked());
    });
    return dialog.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
