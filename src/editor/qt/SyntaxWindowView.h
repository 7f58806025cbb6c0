#pragma once

#include "LiveEditorView.h"

#include <functional>

class CDesktopShell;
class CSyntaxWindowDoc;

// The view of a Java source window: keywords, comments and strings in the colours of the
// settings it was created with. Its frame's function drop-down lists what the document's last
// scan found.
class CSyntaxWindowView : public CLiveEditorView {
    Q_OBJECT
public:
    CSyntaxWindowView(CSyntaxWindowDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                      QWidget* parent = nullptr);

    CSyntaxWindowDoc* GetSyntaxDocument() const;

    void OnInitialUpdate() override;
    // Where Tab learns, at each press, whether it inserts spaces; without it, the settings the
    // window was created with say.
    void SetSpaceTabsSource(std::function<bool()> spaceTabs) { m_spaceTabs = std::move(spaceTabs); }
    // Where JDK Help learns, at each use, the help path of the settings; without it, the settings
    // the window was created with say.
    void SetHelpPathSource(std::function<std::string()> helpPath) { m_helpPath = std::move(helpPath); }
    // The Font command: the window has it only once it is told how to open the font settings.
    void SetFontCommand(std::function<void()> showFontSettings);

    // The document scanned: the drop-down shows its list afresh, at the caret's entry.
    void OnUpdate() override;
    // Rescans the text; every window on the document then shows the new list.
    void RefreshFunctionList();
    // Selects the line of entry nIndex of the drop-down; the keyboard stays in the text.
    void GoToFunction(int nIndex);
    // The line (0-based) the caret is on.
    int CaretLine() const;

protected:
    std::string TabUnit() const override;
    // The drop-down shows the entry whose header is the nearest above the caret, blank above
    // the first, from the positions of the last scan: the text is not scanned again.
    void OnCaretMoved() override;

private:
    // Compile: this window's file, through the open project.
    void OnCompile();
    void OnAddWindowToProject();
    // JDK Help on the selected text.
    void OnJdkHelp();

    void ShowCaretEntry();

    std::function<bool()> m_spaceTabs;
    std::function<std::string()> m_helpPath;
};
