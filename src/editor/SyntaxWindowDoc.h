#pragma once

#include "TextDocument.h"

class CJavaProjectDoc;
class CProjectHost;

// The document of a Java source window: one .java file. It starts its compile through the open
// project.
class CSyntaxWindowDoc : public CTextDocument {
public:
    CSyntaxWindowDoc(CUi& ui, CProjectHost& projects) : CTextDocument(ui), m_projects(projects) {}

    // The one open project, or none.
    CJavaProjectDoc* GetOpenProject() const;

private:
    CProjectHost& m_projects;
};
