#pragma once

#include "LineStateIndex.h"

#include <vector>

class COpenCommentIndex;

// Answers whether a Java text block opened above a line runs on into it, going down the lines by
// the caret line's rules. Each line's answer also depends on whether a block comment is open
// above it, which the comment index gives.
class CTextBlockIndex : public CLineStateIndex {
public:
    CTextBlockIndex(CTextModel& text, COpenCommentIndex& comments);

protected:
    void BeforeReading(int nFrom, int nTo) override;
    bool OpenAfterLine(int nLine, std::string_view line, bool bOpenBefore) const override;

private:
    COpenCommentIndex& m_comments;
    // The comment index's answers for the lines about to be read, from m_nCommentsFrom on.
    std::vector<bool> m_bCommentAbove;
    int m_nCommentsFrom = 0;
};
