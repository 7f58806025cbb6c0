#pragma once

#include "TextEditView.h"

#include "editor/EditorSettings.h"
#include "editor/LineMarkerObserver.h"
#include "editor/SyntaxColourer.h"
#include "project/LineMarker.h"

#include <vector>

class CDesktopShell;
class CSourceMargins;

// What the two source views share: the text's styles in the colours and font of the settings the
// window was created with, the whole text coloured when the window first shows and on Syntax
// Colour Update, after each change the user makes the lines it touched, the Tab, Shift+Tab and
// Enter keys, and the indent and line-break commands; the margins with the line numbers and a
// compile's marks, and the brace beside the caret shown with its partner. The rules that
// colour are the window's own.
class CLiveEditorView : public CTextEditView, public CLineMarkerObserver {
    Q_OBJECT
public:
    CLiveEditorView(CTextDocument& doc, const CEditorSettings& settings, CDesktopShell& shell, EColouring rules,
                    QWidget* parent = nullptr);

    const CEditorSettings& GetSettings() const { return m_settings; }

    void OnInitialUpdate() override;
    // Syntax Colour Update: the whole text; the modified flag stays as it was.
    void OnSyntaxColourUpdate();

    // The marks of the document's lines, as they stand after the edits since they were set.
    std::vector<CLineMarker> GetLineMarkers() const;
    CSourceMargins& GetMargins() const { return *m_pMargins; }
    // The braces shown as a pair, or the one shown unmatched (its partner -1); none: -1, -1.
    std::pair<TextPos, TextPos> GetHighlightedBraces() const { return m_braces; }

    void OnLineMarkersChanged(CTextDocument& doc) override;
    std::optional<int> LineOfMarkNow(const CTextDocument& doc, std::size_t nIndex) const override;

protected:
    void OnCaretMoved() override;
    // What one Tab inserts, and Increase Indent puts before each line.
    virtual std::string TabUnit() const = 0;
    CDesktopShell& GetShell() const { return m_shell; }
    // A whole-text command: the file counts as changed even when nothing in it was, and the
    // whole text is coloured again.
    void OnConvert(void (*convert)(CTextModel&, int));

private:
    void ApplySettings();
    // The brace beside the caret and its partner, or the brace alone when it has none.
    void HighlightBraces();

    CEditorSettings m_settings;
    CDesktopShell& m_shell;
    CSyntaxColourer m_colourer;
    CSourceMargins* m_pMargins;
    std::pair<TextPos, TextPos> m_braces {-1, -1};
    // The text a change of the user's touched, noted as its pieces come.
    struct CChangedRange {
        bool bSet = false;
        TextPos nFrom = 0;
        TextPos nTo = 0;

        void Note(TextPos nPos, TextPos nLength, bool bInsert);
    };
    void ColourChangedLines();

    bool m_bLinePassPending = false;
    CChangedRange m_changed;
};
