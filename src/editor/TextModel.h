#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A byte offset into an editor's text; a CR LF counts as two.
using TextPos = std::int64_t;

class CTextModel;

// The marks the debugger puts in a text's margin: a breakpoint, the line a stopped program is
// on. They belong to the text: they move with it as it is edited.
enum class ELineMark { Breakpoint, CurrentLine };

struct CTextRange {
    TextPos nStart = 0;
    TextPos nEnd = 0;
};

// Told of every change to a text model's bytes.
class CTextChangeObserver {
public:
    virtual ~CTextChangeObserver() = default;
    // Bytes are being, or were just, inserted or removed at nPos; nothing before nPos changes.
    virtual void OnTextChanged(TextPos nPos) = 0;
};

// The few things the editors' passes and commands read and change in a window's text: its
// bytes, its lines, the selection, replacing a range, and one colour class per byte. Lines
// end at CR LF, LF or CR, as the editor shows them.
class CTextModel {
public:
    virtual ~CTextModel() = default;

    virtual TextPos GetLength() const = 0;
    // The bytes from nStart to nEnd; the view is good until the text next changes.
    virtual std::string_view GetBytes(TextPos nStart, TextPos nEnd) const = 0;
    std::string_view GetAllBytes() const { return GetBytes(0, GetLength()); }

    virtual int GetLineCount() const = 0;
    virtual int LineFromPosition(TextPos nPos) const = 0;
    virtual TextPos LineStart(int nLine) const = 0;
    // Where line nLine ends, before its line break.
    virtual TextPos LineEnd(int nLine) const = 0;

    virtual CTextRange GetSelection() const = 0;
    virtual void SetSelection(TextPos nStart, TextPos nEnd) = 0;
    // Puts bytes in place of nStart to nEnd, as one step the user can undo.
    virtual void Replace(TextPos nStart, TextPos nEnd, std::string_view bytes) = 0;

    // Changes between the two are undone by one Undo; they nest, and the outermost end counts.
    virtual void BeginUndoStep() = 0;
    virtual void EndUndoStep() = 0;

    // One class byte per text byte, as the colour classes name them.
    virtual std::string GetClasses(TextPos nStart, TextPos nEnd) const = 0;
    virtual void SetClasses(TextPos nStart, std::string_view classes) = 0;
    // Gives the bytes from nBase on the classes a pass found, changing only those whose class
    // differs from what the model holds, so typing inside a line already coloured right
    // repaints nothing. Here the held classes are read and the span from the first differing
    // byte to the last is written in one call, or nothing when none differs.
    virtual void ApplyClasses(TextPos nBase, std::string_view classes);

    // The lines (0-based) that carry mark, in order, where edits have moved them.
    virtual std::vector<int> GetMarkedLines(ELineMark mark) const = 0;
    // Puts mark on exactly these lines; a line past the end marks the last.
    virtual void SetMarkedLines(ELineMark mark, const std::vector<int>& lines) = 0;

    void AddChangeObserver(CTextChangeObserver* observer);
    void RemoveChangeObserver(CTextChangeObserver* observer);

protected:
    void NotifyTextChanged(TextPos nPos) const;

private:
    std::vector<CTextChangeObserver*> m_observers;
};

// Makes every change made while it lives one step for Undo.
class CUndoStep {
public:
    explicit CUndoStep(CTextModel& text) : m_text(text) { m_text.BeginUndoStep(); }
    ~CUndoStep() { m_text.EndUndoStep(); }
    CUndoStep(const CUndoStep&) = delete;
    CUndoStep& operator=(const CUndoStep&) = delete;

private:
    CTextModel& m_text;
};
