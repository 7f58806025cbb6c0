#include "GoToLineDlg.h"

#include "framework/DataExchange.h"

#include <algorithm>

CGoToLineDlg::CGoToLineDlg(CUi& ui, int nLineCount, int nCaretLine)
    : m_strLine(std::to_string(nCaretLine + 1)), m_ui(ui), m_nLineCount(std::max(nLineCount, 1))
{
}

std::string CGoToLineDlg::Prompt() const
{
    return "Line number (1 - " + std::to_string(m_nLineCount) + "):";
}

bool CGoToLineDlg::OnOK(std::string_view text)
{
    const auto nLine = DataExchange::RangeInt(m_ui, text, 1, m_nLineCount);
    if (!nLine)
        return false;
    m_strLine = std::string(text);
    m_nLine = *nLine - 1;
    return true;
}
