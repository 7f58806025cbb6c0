#pragma once

#include "TextModel.h"

#include <string_view>
#include <vector>

// Answers whether something opened in the text above a line (a block comment, a tag, a text
// block) is still open at the line's start, where each line's answer follows from the line's
// bytes and the answer for the line before it. It keeps the answer for each line it has looked at
// and forgets only the lines below a change, so a keystroke costs a look at the changed line rather
// than at the whole text above it.
class CLineStateIndex : public CTextChangeObserver {
public:
    explicit CLineStateIndex(CTextModel& text);
    ~CLineStateIndex() override;
    CLineStateIndex(const CLineStateIndex&) = delete;
    CLineStateIndex& operator=(const CLineStateIndex&) = delete;

    // Whether the text before the start of line nLine ends inside what the index follows.
    bool IsOpenAbove(int nLine);

    void OnTextChanged(TextPos nPos) override;

protected:
    // Called before lines nFrom up to nTo are read in one go: the last chance to ask anything that
    // reads the text, since a read may move the text's pieces.
    virtual void BeforeReading(int /*nFrom*/, int /*nTo*/) {}
    // The answer after line nLine, whose bytes (without its line break) are line.
    virtual bool OpenAfterLine(int nLine, std::string_view line, bool bOpenBefore) const = 0;

private:
    CTextModel& m_text;
    // m_bOpenAt[k] answers for line k, for every k below m_nKnownLines.
    std::vector<bool> m_bOpenAt;
    int m_nKnownLines = 0;
};
