#include "OpenCommentIndex.h"

COpenCommentIndex::COpenCommentIndex(CTextModel& text, std::string opener, std::string closer)
    : CLineStateIndex(text), m_strOpener(std::move(opener)), m_strCloser(std::move(closer))
{
}

bool COpenCommentIndex::OpenAfterLine(int /*nLine*/, std::string_view line, bool bOpenBefore) const
{
    // The markers hold no line break, so the one that decides is the last marker on the nearest line
    // above that holds any; a line without markers passes on what it was given.
    const std::size_t nOpener = line.rfind(m_strOpener);
    const std::size_t nCloser = line.rfind(m_strCloser);
    if (nOpener == std::string_view::npos)
        return nCloser == std::string_view::npos && bOpenBefore;
    return nCloser == std::string_view::npos || nOpener > nCloser;
}
