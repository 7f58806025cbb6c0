#pragma once

#include "editor/ColourClass.h"
#include "editor/TextModel.h"

#include <algorithm>
#include <map>
#include <string>

// A text model over a plain string, with lines split as the editor splits them (CR LF, LF or
// CR), for tests of the passes and commands without a window. It counts the class writes, so
// tests can see how much a pass sends to the editor.
class CStringTextModel : public CTextModel {
public:
    explicit CStringTextModel(std::string text = {})
        : m_strText(std::move(text)), m_strClasses(m_strText.size(), ColourClass::kNormal)
    {
    }

    const std::string& Text() const { return m_strText; }
    const std::string& Classes() const { return m_strClasses; }
    int ClassWrites() const { return m_nClassWrites; }
    int ClassBytesWritten() const { return m_nClassBytes; }

    TextPos GetLength() const override { return static_cast<TextPos>(m_strText.size()); }
    std::string_view GetBytes(TextPos nStart, TextPos nEnd) const override
    {
        return std::string_view(m_strText).substr(Clamp(nStart), Clamp(nEnd) - Clamp(nStart));
    }

    int GetLineCount() const override { return static_cast<int>(Starts().size()); }
    int LineFromPosition(TextPos nPos) const override
    {
        const auto& starts = Starts();
        const auto it = std::upper_bound(starts.begin(), starts.end(), Clamp(nPos));
        return static_cast<int>(it - starts.begin()) - 1;
    }
    TextPos LineStart(int nLine) const override
    {
        const auto& starts = Starts();
        if (nLine < 0)
            return 0;
        return nLine < static_cast<int>(starts.size()) ? static_cast<TextPos>(starts[nLine]) : GetLength();
    }
    TextPos LineEnd(int nLine) const override
    {
        TextPos nEnd = LineStart(nLine + 1);
        if (nLine + 1 >= GetLineCount())
            return GetLength();
        if (nEnd > 0 && m_strText[nEnd - 1] == '\n')
            --nEnd;
        if (nEnd > LineStart(nLine) && m_strText[nEnd - 1] == '\r')
            --nEnd;
        return nEnd;
    }

    CTextRange GetSelection() const override { return m_selection; }
    void SetSelection(TextPos nStart, TextPos nEnd) override
    {
        m_selection = {static_cast<TextPos>(Clamp(nStart)), static_cast<TextPos>(Clamp(nEnd))};
    }
    void Replace(TextPos nStart, TextPos nEnd, std::string_view bytes) override
    {
        const std::size_t s = Clamp(nStart), e = Clamp(nEnd);
        m_strText.replace(s, e - s, bytes);
        m_strClasses.replace(s, e - s, bytes.size(), ColourClass::kNormal);
        m_starts.clear();
        ++m_nChanges;
        if (m_nUndoDepth == 0)
            ++m_nUndoSteps;
        // The selection moves as the editor's does: an end past the replaced range moves with
        // the text after it, one inside it or at its end goes to its start, and the inserted
        // bytes go in after an end standing at that start.
        const auto moved = [&](TextPos nPos) {
            const auto p = static_cast<std::size_t>(nPos);
            if (p <= s)
                return nPos;
            return static_cast<TextPos>(p > e ? p - (e - s) + bytes.size() : s);
        };
        m_selection = {moved(m_selection.nStart), moved(m_selection.nEnd)};
        NotifyTextChanged(static_cast<TextPos>(s));
    }

    // Each outermost step counts once, so tests can see how many steps Undo would take.
    void BeginUndoStep() override
    {
        if (m_nUndoDepth++ == 0)
            m_nStepStartChanges = m_nChanges;
    }
    void EndUndoStep() override
    {
        if (--m_nUndoDepth == 0 && m_nChanges > m_nStepStartChanges)
            ++m_nUndoSteps;
    }
    // What Undo would take: every change outside a step, and each step with changes.
    int UndoSteps() const { return m_nUndoSteps; }

    std::string GetClasses(TextPos nStart, TextPos nEnd) const override
    {
        return m_strClasses.substr(Clamp(nStart), Clamp(nEnd) - Clamp(nStart));
    }
    void SetClasses(TextPos nStart, std::string_view classes) override
    {
        ++m_nClassWrites;
        m_nClassBytes += static_cast<int>(classes.size());
        for (std::size_t i = 0; i < classes.size() && Clamp(nStart) + i < m_strClasses.size(); ++i)
            m_strClasses[Clamp(nStart) + i] = ColourClass::Shown(classes[i]);
    }

    // The marks stay on their lines: this model does not move them with edits.
    std::vector<int> GetMarkedLines(ELineMark mark) const override
    {
        const auto it = m_marks.find(mark);
        return it == m_marks.end() ? std::vector<int>() : it->second;
    }
    void SetMarkedLines(ELineMark mark, const std::vector<int>& lines) override
    {
        std::vector<int>& kept = m_marks[mark];
        kept.clear();
        for (int nLine : lines)
            kept.push_back(std::clamp(nLine, 0, GetLineCount() - 1));
        std::sort(kept.begin(), kept.end());
        kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    }

private:
    std::size_t Clamp(TextPos nPos) const
    {
        return static_cast<std::size_t>(std::clamp<TextPos>(nPos, 0, GetLength()));
    }
    const std::vector<std::size_t>& Starts() const
    {
        if (m_starts.empty()) {
            m_starts.push_back(0);
            for (std::size_t i = 0; i < m_strText.size(); ++i) {
                const bool bCrLf = m_strText[i] == '\r' && i + 1 < m_strText.size() && m_strText[i + 1] == '\n';
                if ((m_strText[i] == '\n' || m_strText[i] == '\r') && !bCrLf)
                    m_starts.push_back(i + 1);
            }
        }
        return m_starts;
    }

    std::string m_strText;
    std::string m_strClasses;
    mutable std::vector<std::size_t> m_starts;
    CTextRange m_selection;
    std::map<ELineMark, std::vector<int>> m_marks;
    int m_nClassWrites = 0;
    int m_nClassBytes = 0;
    int m_nUndoDepth = 0;
    int m_nChanges = 0;
    int m_nStepStartChanges = 0;
    int m_nUndoSteps = 0;
};
