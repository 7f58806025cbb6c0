#pragma once

#include "editor/TextModel.h"

#include <Qsci/qsciscintillabase.h>

#include <QObject>

class QsciScintilla;

// The text model of one QScintilla editor. The colour classes are the editor's styles, each
// class code the number of its style; text the editor inserts takes style 0, which shows as
// normal too, as does every other style the window leaves at the editor's default.
class CScintillaTextModel : public QObject, public CTextModel {
    Q_OBJECT
public:
    // The editor's reports of changes that the window listens to: the ones made before a
    // change, which carry where it happens.
    static constexpr int kChangeEvents = QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE;

    explicit CScintillaTextModel(QsciScintilla& editor);

    TextPos GetLength() const override;
    std::string_view GetBytes(TextPos nStart, TextPos nEnd) const override;
    int GetLineCount() const override;
    int LineFromPosition(TextPos nPos) const override;
    TextPos LineStart(int nLine) const override;
    TextPos LineEnd(int nLine) const override;
    CTextRange GetSelection() const override;
    void SetSelection(TextPos nStart, TextPos nEnd) override;
    void Replace(TextPos nStart, TextPos nEnd, std::string_view bytes) override;
    void BeginUndoStep() override;
    void EndUndoStep() override;
    // Classes not yet written to the editor count as held.
    std::string GetClasses(TextPos nStart, TextPos nEnd) const override;
    void SetClasses(TextPos nStart, std::string_view classes) override;
    // The editor itself compares each style it is given with the one it holds, changes and
    // repaints only the bytes that differ, and tells of no change when none does; reading its
    // styles first to compare them here would cost more than the write. Classes for more than
    // the first stretch of a large text go to the editor a stretch at a time while the program
    // is idle, moving with the text as it is edited meanwhile, so a large file shows at once.
    void ApplyClasses(TextPos nBase, std::string_view classes) override;
    // The editor's markers, which its margin shows; the current line also tints its line.
    std::vector<int> GetMarkedLines(ELineMark mark) const override;
    void SetMarkedLines(ELineMark mark, const std::vector<int>& lines) override;

    bool HasUnwrittenClasses() const { return !m_strUnwritten.empty(); }
    // Writes every class still waiting.
    void WriteAllClasses();

    // The stretch written at once, and then at each idle moment.
    static constexpr std::size_t kStretchBytes = 1 << 20;

private:
    TextPos Clamp(TextPos nPos) const;
    void WriteStyles(TextPos nStart, std::string_view classes);
    void OnChange(TextPos nPos, TextPos nLength, bool bInsert);
    void WriteNextStretch();

    QsciScintilla& m_editor;
    // The classes of the bytes from m_nUnwrittenFrom to the end of the text, not yet written.
    std::string m_strUnwritten;
    TextPos m_nUnwrittenFrom = 0;
    bool m_bStretchQueued = false;
};
