#include "LiveEditorDoc.h"

#include "project/ProjectHost.h"

CJavaProjectDoc* CLiveEditorDoc::GetOpenProject() const
{
    return m_projects.GetOpenProject();
}
