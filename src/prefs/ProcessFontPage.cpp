#include "ProcessFontPage.h"

#include "framework/DataExchange.h"

bool CProcessFontPage::OnKillActive(const CControls& controls)
{
    const auto size = DataExchange::RangeInt(m_ui, controls.strFontSize, kMinFontSize, kMaxFontSize);
    if (!size)
        return false;
    m_nFontSize = *size;
    return true;
}
