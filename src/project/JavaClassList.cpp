#include "JavaClassList.h"

#include "JavaClass.h"

CJavaClassList::CJavaClassList() = default;

CJavaClassList::~CJavaClassList() = default;

CJavaClass* CJavaClassList::FindClass(std::string_view name) const
{
    for (int i = 0; i < GetCount(); ++i) {
        if (GetAt(i)->GetName() == name)
            return GetAt(i);
    }
    return nullptr;
}
