#pragma once

#include "LiveEditorView.h"

class CLiveEditorDoc;

// The view of an HTML page window: tags, the tag names inside them, strings and comments in the
// colours of the settings it was created with. Tab and Increase Indent always put in a TAB.
// The page's applet commands work through the open project.
class CLiveHTMLView : public CLiveEditorView {
    Q_OBJECT
public:
    CLiveHTMLView(CLiveEditorDoc& doc, const CEditorSettings& settings, CDesktopShell& shell,
                  QWidget* parent = nullptr);

    CLiveEditorDoc* GetLiveDocument() const;

    void OnInitialUpdate() override;

protected:
    std::string TabUnit() const override { return "\t"; }

private:
    // An APPLET tag for the project's main class in place of the selection.
    void OnInsertApplet();
    // The saved page in the desktop's web browser.
    void OnOpenInBrowser();
    // The page as an applet, by the project's applet command.
    void OnRunApplet();
};
