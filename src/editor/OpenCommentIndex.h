#pragma once

#include "LineStateIndex.h"

#include <string>

// Answers whether the text above a line ends inside a block comment: the last opener above
// it stands after the last closer.
class COpenCommentIndex : public CLineStateIndex {
public:
    // The markers never hold a line break.
    COpenCommentIndex(CTextModel& text, std::string opener, std::string closer);

protected:
    bool OpenAfterLine(int nLine, std::string_view line, bool bOpenBefore) const override;

private:
    std::string m_strOpener;
    std::string m_strCloser;
};
