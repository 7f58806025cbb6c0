#include "FormatPage.h"

#include "framework/DataExchange.h"

#include "framework/Ui.h"

CFormatPage::CControls CFormatPage::ToControls() const
{
    return {std::to_string(m_nFontSize), std::to_string(m_nTabWidth), m_nSpaceTabs != 0, m_nLineNumbers != 0};
}

CFormatPage::Field CFormatPage::OnKillActive(const CControls& controls)
{
    const auto tabWidth = DataExchange::RangeInt(m_ui, controls.strTabWidth, kMinTabWidth, kMaxTabWidth);
    if (!tabWidth)
        return Field::TabWidth;
    const auto fontSize = DataExchange::RangeInt(m_ui, controls.strFontSize, kMinFontSize, kMaxFontSize);
    if (!fontSize)
        return Field::FontSize;
    m_nTabWidth = *tabWidth;
    m_nFontSize = *fontSize;
    m_nSpaceTabs = controls.bSpaceTabs ? 1 : 0;
    m_nLineNumbers = controls.bLineNumbers ? 1 : 0;
    return Field::None;
}

std::uint32_t& CFormatPage::ColourMember(Colour which)
{
    switch (which) {
    case Colour::Keyword: return m_crKeyColor;
    case Colour::Comment: return m_crCommentColor;
    case Colour::String: return m_crStringColor;
    case Colour::Tag: break;
    }
    return m_crTagColor;
}

std::uint32_t CFormatPage::GetColour(Colour which) const
{
    // The one table of which member holds which colour.
    return const_cast<CFormatPage*>(this)->ColourMember(which);
}

bool CFormatPage::OnChooseColour(Colour which)
{
    std::uint32_t& colour = ColourMember(which);
    const auto chosen = m_ui.ChooseColour(colour);
    if (!chosen)
        return false;
    colour = *chosen & 0x00FFFFFF;
    return true;
}

CFormatPage::CSample CFormatPage::Sample(Colour which) const
{
    switch (which) {
    case Colour::Keyword: return {"public static final int", m_crKeyColor, true};
    case Colour::Comment: return {"// sample comment", m_crCommentColor, true};
    case Colour::String: return {"\"This is a string\"", m_crStringColor, true};
    case Colour::Tag: break;
    }
    return {"<HTML TAG>", m_crTagColor, false};
}
