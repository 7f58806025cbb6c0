#pragma once

#include "EditorSettings.h"
#include "TextDocument.h"
#include "TextModel.h"

#include "project/JavaScanner.h"

#include <string>

class CJavaProjectDoc;
class CProjectHost;

// The document of a Java source window: one .java file, with the function list the class
// scanner finds in it. It starts its compile through the open project.
class CSyntaxWindowDoc : public CTextDocument {
public:
    CSyntaxWindowDoc(CUi& ui, CProjectHost& projects) : CTextDocument(ui), m_projects(projects) {}

    // The one open project, or none.
    CJavaProjectDoc* GetOpenProject() const;

    // Scans the current text: the function list, and the classes of the open project's entry
    // for this file, which its tree then shows. The document's windows then show the new list:
    // this is how anything refreshes the function list.
    void ScanSource();
    const CJavaScanner& GetScanner() const { return m_scanner; }

    // The window that holds the text selects line nLine (0-based), without its line break;
    // a line past the end selects the last.
    void GoToLine(int nLine);
    // The same for the line that holds byte nPos.
    void GoToPosition(TextPos nPos);
    // Selects in text the line of entry nIndex of the function list; false for no such entry.
    bool GoToEntry(CTextModel& text, int nIndex) const;

    // Breakpoints are the open project's, kept with it by the file's path: a window needs both
    // to have any.
    bool CanHaveBreakpoints() const;
    // Sets a breakpoint on line nLine (0-based) where there is none, clears the one there is;
    // true when one is set now. The project first takes the lines of the others as edits have
    // moved them.
    bool ToggleBreakpoint(int nLine);
    // Marks the lines the open project keeps for this file, and no others.
    void ShowProjectBreakpoints();
    // The line a stopped program is on, marked with the arrow; -1 takes the arrow away.
    void SetCurrentLine(int nLine);
    int GetCurrentLine() const;

    // The classes are brought up to date before the file is written; once it is, the project
    // keeps the breakpoints' lines as the saved text has them.
    bool OnSaveDocument(const std::string& path) override;
    // A file the open project's last compile marked shows its marks from the start.
    bool OnOpenDocument(const std::string& path) override;
    // The project keeps the marks where the edits moved them, for when the file opens again;
    // of a file whose changes are thrown away it keeps them as the compile left them.
    void OnCloseDocument() override;

private:
    CProjectHost& m_projects;
    CJavaScanner m_scanner;
};
