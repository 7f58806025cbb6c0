#pragma once

#include "TextDocument.h"

class CJavaProjectDoc;
class CProjectHost;

// The document of an HTML page window: the page's bytes, nothing scanned.
class CLiveEditorDoc : public CTextDocument {
public:
    CLiveEditorDoc(CUi& ui, CProjectHost& projects) : CTextDocument(ui), m_projects(projects) {}

    // The one open project, or none: the page's applet commands work through it.
    CJavaProjectDoc* GetOpenProject() const;

private:
    CProjectHost& m_projects;
};
