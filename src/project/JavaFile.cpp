#include "JavaFile.h"

#include "JavaClass.h"

#include "framework/Archive.h"

void CJavaFile::Serialize(CArchive& ar)
{
    CVelmarFile::Serialize(ar);
    m_classes.Serialize(ar);
    ar.Exchange(m_strExtra);
}
