#pragma once

#include "TextModel.h"

#include <string>
#include <string_view>
#include <vector>

// Answers whether the text above a line ends inside a block comment: the last opener above
// it stands after the last closer. It keeps the answer for each line it has looked at and
// forgets only the lines below a change, so a keystroke costs a look at the changed line
// rather than at the whole text above it.
class COpenCommentIndex : public CTextChangeObserver {
public:
    // The markers never hold a line break.
    COpenCommentIndex(CTextModel& text, std::string opener, std::string closer);
    ~COpenCommentIndex() override;
    COpenCommentIndex(const COpenCommentIndex&) = delete;
    COpenCommentIndex& operator=(const COpenCommentIndex&) = delete;

    // Whether the text before the start of line nLine ends inside a comment.
    bool IsOpenAbove(int nLine);

    void OnTextChanged(TextPos nPos) override;

private:
    CTextModel& m_text;
    std::string m_strOpener;
    std::string m_strCloser;
    // m_bOpenAt[k] answers for line k, for every k below m_nKnownLines.
    std::vector<bool> m_bOpenAt;
    int m_nKnownLines = 0;
};
