#pragma once

#include "TextEditView.h"

#include "editor/EditorSettings.h"
#include "editor/SyntaxColourer.h"

class CSyntaxWindowDoc;

// The view of a Java source window: keywords, comments and strings in the colours of the
// settings it was created with. The whole text is coloured when the window first shows and on
// Syntax Colour Update; after each change the user makes, the caret's line.
class CSyntaxWindowView : public CTextEditView {
    Q_OBJECT
public:
    CSyntaxWindowView(CSyntaxWindowDoc& doc, const CEditorSettings& settings, QWidget* parent = nullptr);

    CSyntaxWindowDoc* GetSyntaxDocument() const;
    const CEditorSettings& GetSettings() const { return m_settings; }

    void OnInitialUpdate() override;
    // Syntax Colour Update: the whole text; the modified flag stays as it was.
    void OnSyntaxColourUpdate();

private:
    void ApplySettings();
    // Compile: this window's file, through the open project.
    void OnCompile();

    CEditorSettings m_settings;
    CSyntaxColourer m_colourer;
    bool m_bLinePassPending = false;
};
