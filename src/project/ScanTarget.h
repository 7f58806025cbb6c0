#pragma once

#include <string>

// Where a scan sends the classes, inner classes and method signatures it finds: the open
// project in the program, a recorder in the tests. Every call names the scanned document's path.
class CScanTarget {
public:
    virtual ~CScanTarget() = default;

    virtual void BeginFileScan(const std::string& path) = 0;
    virtual void AddClass(const std::string& path, const std::string& className) = 0;
    virtual void AddMethod(const std::string& path, const std::string& className, const std::string& signature) = 0;
    virtual void AddInnerClass(const std::string& path, const std::string& className, const std::string& inner) = 0;
    virtual void AddInnerMethod(const std::string& path, const std::string& className, const std::string& inner,
                                const std::string& signature) = 0;
    virtual void EndFileScan() = 0;
};
