#pragma once

#include <string>
#include <vector>

// What a JDK folder typed on the "IDE" page holds, and the JDKs installed to choose from. Only
// says; the page takes any folder as typed.
class CJdkFolderInfo {
public:
    static constexpr const char* kInstalledRoot = "/usr/lib/jvm";

    // "javac 17.0.15 in bin/" from the JDK's release file; "javac in bin/, version unknown"
    // without one; "No bin/javac in this folder." when there is no compiler.
    static std::string Describe(const std::string& folder);

    // The folders directly under root (links followed) with a bin/javac, sorted by name.
    static std::vector<std::string> InstalledJdks(const std::string& root = kInstalledRoot);
};
