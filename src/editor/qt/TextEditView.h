#pragma once

#include "framework/qt/View.h"

#include <QString>

#include <string>

class CFindReplace;
class CScintillaTextModel;
class CTextDocument;
class CTextModel;
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

    CTextModel& GetTextModel() const;
    std::string GetText() const;
    void SetText(const std::string& bytes);
    // The popup menu a right click shows, from the program's menus.
    void SetContextMenuId(int menuId) { m_nContextMenu = menuId; }

    // The find dialog's buttons on this window: the selection and the scroll follow what is
    // found, and the person is told when nothing is.
    void FindNext(CFindReplace& search);
    void ReplaceNext(CFindReplace& search);
    void ReplaceAll(CFindReplace& search);

    // After a jump: the window comes to the front with the keyboard in its text and the
    // selection in sight.
    void FocusSelection();

    // The name the printed pages carry in their heading.
    QString PrintName() const;
    // Prints the whole text to a PDF file with no dialog; false when it could not be written.
    bool PrintToPdf(const QString& strPath);

    void OnInitialUpdate() override;
    void OnDocumentSaved(CDocument& doc) override;

protected:
    void OnDocumentDetaching() override;
    // The caret moved, or the text changed under it; told once the editor has painted it.
    virtual void OnCaretMoved() {}

private:
    CTextEditView* FindSiblingView() const;
    // The editor's own key bindings give way to the program's accelerators active in this
    // window: the frame's and those of the document's type.
    void ClearKeysOfAccelerators();
    // Shows the line and column of the selection's end in the main frame's panes, 1-based;
    // the column counts bytes from the line's start, a TAB as one.
    void ShowCaretPosition() const;
    void ShowSelection();
    // Go to Line: asks for a line and selects it as a jump does.
    void OnGoToLine();

    QsciScintilla* m_pEditor;
    CScintillaTextModel* m_pText;
    int m_nContextMenu = 0;
    bool m_bCaretShowPending = false;
};
