#pragma once

#include "JavaList.h"

#include <string_view>

class CJavaClass;

// The classes of a Java file, or the inner classes of a class.
class CJavaClassList : public CJavaList<CJavaClass> {
public:
    CJavaClassList();
    ~CJavaClassList();

    bool HasClass(std::string_view name) const { return FindClass(name) != nullptr; }
    CJavaClass* FindClass(std::string_view name) const;
};
