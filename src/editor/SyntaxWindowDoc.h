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

    // The classes are brought up to date before the file is written.
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
