#include "JavaFile.h"

#include "JavaClass.h"

#include "framework/Archive.h"

#include <atomic>

std::uint64_t CJavaFile::NextRevision()
{
    static std::atomic<std::uint64_t> s_nLast{0};
    return ++s_nLast;
}

void CJavaFile::Serialize(CArchive& ar)
{
    CVelmarFile::Serialize(ar);
    m_classes.Serialize(ar);
    ar.Exchange(m_strExtra);
    if (ar.IsLoading())
        Touch();
}
