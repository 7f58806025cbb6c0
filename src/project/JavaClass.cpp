#include "JavaClass.h"

#include "framework/Archive.h"

#include <algorithm>

bool CJavaClass::HasMethod(std::string_view signature) const
{
    return std::find(m_methods.begin(), m_methods.end(), signature) != m_methods.end();
}

void CJavaClass::Serialize(CArchive& ar)
{
    ar.Exchange(m_methods);
    m_classes.Serialize(ar);
    ar.Exchange(m_strClassName);
}
