#pragma once

#include "TextEditView.h"

#include "editor/EditorSettings.h"
#include "editor/SyntaxColourer.h"

#include <functional>

class CDesktopShell;
class CSyntaxWindowDoc;

// The view of a Java source window: keywords, comments and strings in the colours of the
// settings it was created with. The whole text is coloured when the window first shows and on
// Syntax Colour Update; after each change the user makes, the caret's line. Its frame's
// function drop-down lists what the document's last scan found.
class CSyntaxWindowView : public CTextEditView {
    Q_OBJECT
public:
    CSyntaxWindowView(CSyntaxWindowDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                      QWidget* parent = nullptr);

    CSyntaxWindowDoc* GetSyntaxDocument() const;
    const CEditorSettings& GetSettings() const { return m_settings; }

    void OnInitialUpdate() override;
    // Syntax Colour Update: the whole text; the modified flag stays as it was.
    void OnSyntaxColourUpdate();
    // Where Tab learns, at each press, whether it inserts spaces; without it, the settings the
    // window was created with say.
    void SetSpaceTabsSource(std::function<bool()> spaceTabs) { m_spaceTabs = std::move(spaceTabs); }
    // The Font command: the window has it only once it is told how to open the font settings.
    void SetFontCommand(std::function<void()> showFontSettings);

    // The document scanned: the drop-down shows its list afresh, nothing chosen.
    void OnUpdate() override;
    // Rescans the text; every window on the document then shows the new list.
    void RefreshFunctionList();
    // Selects the line of entry nIndex of the drop-down; the keyboard stays in the text.
    void GoToFunction(int nIndex);

private:
    void ApplySettings();
    // Compile: this window's file, through the open project.
    void OnCompile();
    // The editing commands of the window's text; the conversions mark the file changed even
    // when nothing in it was, and colour the whole text again.
    void InstallEditingCommands();
    std::string TabUnit() const;
    void OnConvert(void (*convert)(CTextModel&, int));
    void OnAddWindowToProject();
    // JDK Help on the selected text.
    void OnJdkHelp();

    CEditorSettings m_settings;
    CDesktopShell& m_shell;
    CSyntaxColourer m_colourer;
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
    std::function<bool()> m_spaceTabs;
};
