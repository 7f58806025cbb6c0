#include "FormatPageView.h"

#include "FontListQt.h"
#include "PrefsQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using PrefsQt::FromQt;
using PrefsQt::ToQt;

CFormatPageView::CFormatPageView(CFormatPage& model, QWidget* parent) : CPrefsPageView(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);

    auto* font = new QGroupBox("Font", this);
    auto* fontLayout = new QFormLayout(font);
    m_pFontList = new QComboBox(font);
    m_pFontList->setObjectName("1004");
    fontLayout->addRow("Source Editor Font:", m_pFontList);
    m_pFontSize = FontListQt::MakeSizeField("1034", font);
    fontLayout->addRow("Font size (points):", m_pFontSize);
    layout->addWidget(font);

    auto* tabs = new QGroupBox("Tabs", this);
    auto* tabsLayout = new QFormLayout(tabs);
    m_pTabWidth = FontListQt::MakeSizeField("1032", tabs);
    tabsLayout->addRow("Character width of tabs:", m_pTabWidth);
    m_pSpaceTabs = new QCheckBox("Generate spaces instead of tabs", tabs);
    m_pSpaceTabs->setObjectName("1019");
    tabsLayout->addRow(m_pSpaceTabs);
    layout->addWidget(tabs);

    m_pLineNumbers = new QCheckBox("Show line numbers", this);
    m_pLineNumbers->setObjectName("LineNumbers");
    layout->addWidget(m_pLineNumbers);

    auto* colours = new QGroupBox("Syntax Coloring", this);
    auto* coloursLayout = new QGridLayout(colours);
    struct CRow {
        CFormatPage::Colour colour;
        const char* label;
        const char* buttonId;
        const char* sampleId;
    };
    const CRow rows[] = {{CFormatPage::Colour::Keyword, "Keywords", "1023", "1022"},
                         {CFormatPage::Colour::Comment, "Comments", "1024", "1026"},
                         {CFormatPage::Colour::String, "Strings", "1030", "1029"},
                         {CFormatPage::Colour::Tag, "HTML Tags", "1031", "1033"}};
    // The sample font: the page's font as it was when the page was made.
    QFont sampleFont(ToQt(m_model.m_strFontName));
    if (m_model.m_nFontSize > 0)
        sampleFont.setPointSize(m_model.m_nFontSize);
    int row = 0;
    for (const CRow& each : rows) {
        auto* button = new QPushButton(each.label, colours);
        button->setObjectName(each.buttonId);
        auto* sample = new QLineEdit(colours);
        sample->setObjectName(each.sampleId);
        sample->setReadOnly(true);
        sample->setFocusPolicy(Qt::NoFocus);
        if (m_model.Sample(each.colour).bPageFont)
            sample->setFont(sampleFont);
        m_samples[static_cast<int>(each.colour)] = sample;
        coloursLayout->addWidget(button, row, 0);
        coloursLayout->addWidget(sample, row, 1);
        ++row;
        const CFormatPage::Colour colour = each.colour;
        connect(button, &QPushButton::clicked, this, [this, colour] { OnChooseColour(colour); });
    }
    layout->addWidget(colours);
    layout->addStretch();

    const CFormatPage::CControls controls = m_model.ToControls();
    m_pFontSize->setText(ToQt(controls.strFontSize));
    m_pTabWidth->setText(ToQt(controls.strTabWidth));
    m_pSpaceTabs->setChecked(controls.bSpaceTabs);
    m_pLineNumbers->setChecked(controls.bLineNumbers);
    FontListQt::Fill(*m_pFontList, m_model.m_strFontName);
    ShowSamples();
    connect(m_pFontList, &QComboBox::activated, this,
            [this](int index) { m_model.OnFontSelected(FromQt(m_pFontList->itemText(index))); });
}

void CFormatPageView::ShowSamples()
{
    for (CFormatPage::Colour colour : {CFormatPage::Colour::Keyword, CFormatPage::Colour::Comment,
                                       CFormatPage::Colour::String, CFormatPage::Colour::Tag}) {
        const CFormatPage::CSample sample = m_model.Sample(colour);
        QLineEdit* box = GetSample(colour);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, PrefsQt::ToColor(sample.crColour));
        box->setPalette(palette);
        box->setText(ToQt(sample.strText));
    }
}

void CFormatPageView::OnChooseColour(CFormatPage::Colour which)
{
    if (m_model.OnChooseColour(which))
        ShowSamples();
}

bool CFormatPageView::OnKillActive()
{
    CFormatPage::CControls controls;
    controls.strFontSize = FromQt(m_pFontSize->text());
    controls.strTabWidth = FromQt(m_pTabWidth->text());
    controls.bSpaceTabs = m_pSpaceTabs->isChecked();
    controls.bLineNumbers = m_pLineNumbers->isChecked();
    const CFormatPage::Field refused = m_model.OnKillActive(controls);
    if (refused == CFormatPage::Field::None)
        return true;
    QLineEdit* field = refused == CFormatPage::Field::TabWidth ? m_pTabWidth : m_pFontSize;
    field->setFocus();
    field->selectAll();
    return false;
}
