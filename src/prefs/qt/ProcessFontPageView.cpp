#include "ProcessFontPageView.h"

#include "FontListQt.h"
#include "PrefsQt.h"

#include "prefs/ProcessFontPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

using PrefsQt::FromQt;
using PrefsQt::ToQt;

CProcessFontPageView::CProcessFontPageView(CProcessFontPage& model, QWidget* parent)
    : CPrefsPageView(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);
    auto* font = new QGroupBox("Font", this);
    auto* fontLayout = new QFormLayout(font);
    m_pFontList = new QComboBox(font);
    m_pFontList->setObjectName("1004");
    fontLayout->addRow("Process Window Font:", m_pFontList);
    m_pFontSize = FontListQt::MakeSizeField("1034", font);
    fontLayout->addRow("Font size (points):", m_pFontSize);
    layout->addWidget(font);

    auto* note = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setObjectName("157");
    const int extent = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(extent, extent));
    note->addWidget(icon, 0, Qt::AlignTop);
    auto* text = new QLabel(CProcessFontPage::kNote, this);
    text->setWordWrap(true);
    note->addWidget(text, 1);
    layout->addLayout(note);
    layout->addStretch();

    m_pFontSize->setText(ToQt(m_model.ToControls().strFontSize));
    FontListQt::Fill(*m_pFontList, m_model.m_strFontName);
    connect(m_pFontList, &QComboBox::activated, this,
            [this](int index) { m_model.OnFontSelected(FromQt(m_pFontList->itemText(index))); });
}

bool CProcessFontPageView::OnKillActive()
{
    if (m_model.OnKillActive({FromQt(m_pFontSize->text())}))
        return true;
    m_pFontSize->setFocus();
    m_pFontSize->selectAll();
    return false;
}
