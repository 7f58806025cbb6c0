#include "FindReplace.h"

#include "editor/TextModel.h"
#include "framework/Ui.h"

void CFindReplace::TakeSelection(const CTextModel& text)
{
    const CTextRange selection = text.GetSelection();
    if (selection.nEnd <= selection.nStart)
        return;
    const std::string_view selected = text.GetBytes(selection.nStart, selection.nEnd);
    if (selected.find_first_of("\r\n") == std::string_view::npos)
        m_options.strFind.assign(selected);
}

bool CFindReplace::FindNext(CTextModel& text, CUi& ui)
{
    if (m_options.strFind.empty())
        return false;
    m_bSearched = true;
    return Report(TextSearch::FindNext(text, m_options), ui);
}

bool CFindReplace::Replace(CTextModel& text, CUi& ui)
{
    if (m_options.strFind.empty())
        return false;
    m_bSearched = true;
    return Report(TextSearch::Replace(text, m_options, m_strReplace), ui);
}

int CFindReplace::ReplaceAll(CTextModel& text, CUi& ui)
{
    if (m_options.strFind.empty())
        return 0;
    m_bSearched = true;
    const int nReplaced = TextSearch::ReplaceAll(text, m_options, m_strReplace);
    Report(nReplaced > 0, ui);
    return nReplaced;
}

bool CFindReplace::Report(bool bFound, CUi& ui) const
{
    if (!bFound)
        ui.MessageBox(TextSearch::NotFoundMessage(m_options.strFind), MsgButtons::Ok, MsgIcon::Information);
    return bFound;
}
