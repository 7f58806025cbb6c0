#pragma once

#include "EditorSettings.h"
#include "TextModel.h"

#include "framework/Document.h"
#include "project/LineMarker.h"

#include <string>
#include <string_view>
#include <vector>

// A document whose file is plain text, kept as its exact bytes. While a window shows it, the
// window's editor holds the current text; saving takes it from there. Its observers hear of
// every change to that text.
class CTextDocument : public CDocument, private CTextChangeObserver {
public:
    using CDocument::CDocument;

    CUi& GetUi() const { return Ui(); }

    // Loading takes every byte of the file; storing writes the current text unchanged.
    void Serialize(CArchive& ar) override;

    // The text as loaded, or as last taken from the editor.
    const std::string& GetLoadedText() const { return m_strText; }
    std::string GetText() const;
    void SetText(std::string text) { m_strText = std::move(text); }

    // The text of the window that holds the current text; none when no window shows the
    // document. A window gives its text up (none, or another window's) before it goes.
    CTextModel* GetTextModel() const { return m_pTextModel; }
    void SetTextModel(CTextModel* text);

    // Puts bytes in place of the whole text, as one step the user can undo, keeping the caret
    // on its line as far as the new text reaches, and the breakpoints on theirs.
    void ReplaceAllText(std::string_view bytes);
    // Reads the file again into the text; what is shown is then the file, unmodified. False,
    // with the reason shown, when it cannot be read.
    bool ReloadFromFile();

    // Marks the lines a compile named in every window of the document, replacing the marks
    // there were: a symbol in the margin and the line's text underlined, the message over
    // either. The marks then move with the text as it is edited; a line past the end marks the
    // last. Several messages on one line make one mark, an error when any of them is one.
    void SetLineMarkers(const std::vector<CLineMarker>& markers);
    void ClearLineMarkers() { SetLineMarkers({}); }
    // One marker per marked line, in line order, as they were set.
    const std::vector<CLineMarker>& GetMarkedLines() const { return m_markedLines; }
    // The line a mark set on nLine is on now that the text was edited; nLine when no mark was
    // set there, or its line was taken away.
    int MarkedLineNow(int nLine) const;
    // The marks with the lines they are on now, those whose lines were taken away left out.
    std::vector<CLineMarker> LineMarkersNow() const;

    // Export as HTML: the text with the colours its window shows, as a page written where the
    // user chooses. False when nothing was written.
    bool ExportAsHtml(const CEditorSettings& colours);

protected:
    void DeleteContents() override { m_strText.clear(); }

private:
    void OnTextChanged(TextPos nPos) override;

    std::string m_strText;
    CTextModel* m_pTextModel = nullptr;
    std::vector<CLineMarker> m_markedLines;
};
