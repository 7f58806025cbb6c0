#include "SyntaxWindowDoc.h"

#include "project/ProjectHost.h"

CJavaProjectDoc* CSyntaxWindowDoc::GetOpenProject() const
{
    return m_projects.GetOpenProject();
}
