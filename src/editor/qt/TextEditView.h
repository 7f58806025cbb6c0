#pragma once

#include "framework/qt/View.h"

#include <string>

class CTextDocument;
class QsciScintilla;

// A view that edits a text document in a QScintilla control used as a plain control: the
// text is the file's bytes, positions are byte offsets. Further windows on the same document
// share its text.
class CTextEditView : public CView {
    Q_OBJECT
public:
    explicit CTextEditView(CTextDocument& doc, QWidget* parent = nullptr);
    ~CTextEditView() override;

    QsciScintilla* GetEditor() const { return m_pEditor; }
    CTextDocument* GetTextDocument() const;

    std::string GetText() const;
    void SetText(const std::string& bytes);
    // Selects line nLine (0-based) with its line break, brings it into view and shows the
    // caret's line and column.
    void GoToLine(int nLine);

    void OnInitialUpdate() override;
    void OnDocumentSaved(CDocument& doc) override;

protected:
    void OnDocumentDetaching() override;

private:
    CTextEditView* FindSiblingView() const;
    // Shows the line and column of the selection's end in the main frame's panes, 1-based;
    // the column counts bytes from the line's start, a TAB as one.
    void ShowCaretPosition() const;

    QsciScintilla* m_pEditor;
    bool m_bCaretShowPending = false;
};
