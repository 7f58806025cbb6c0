#pragma once

#include "RegFile.h"

#include <string>
#include <string_view>

// Where the default JDK is looked for.
struct CJdkSearch {
    std::string strDefaultJavaPath;  // the distribution's link to its default JDK
    std::string strSearchPath;       // folders searched for javac, separated by ':'

    static constexpr std::string_view kDefaultJavaPath = "/usr/lib/jvm/default-java";
    // The system's own: the default link and the process's PATH.
    static CJdkSearch FromEnvironment();
};

// The read-only machine-wide registry entries of the installed JDK, under HKEY_LOCAL_MACHINE:
//   SOFTWARE\JavaSoft\Java Development Kit         "CurrentVersion" = the feature version ("17", "1.8")
//   SOFTWARE\JavaSoft\Java Development Kit\<ver>   "JavaHome" = the JDK's folder
// made from the default JDK; with none found (or one without a release file) the keys are missing.
class CJdkRegistryView {
public:
    static constexpr std::string_view kRoot = "HKEY_LOCAL_MACHINE";
    static constexpr std::string_view kJdkKey = "SOFTWARE\\JavaSoft\\Java Development Kit";

    // Holds the keys given, their paths starting with HKEY_LOCAL_MACHINE\.
    explicit CJdkRegistryView(CRegFile machine = {}) : m_machine(std::move(machine)) {}

    static CJdkRegistryView Discover(const CJdkSearch& search);

    // Key paths compare without regard to case, value names exactly; the data of the first
    // value of that name, or "" when the key, the value or its text is missing.
    std::string QueryValue(std::string_view keyPath, std::string_view name) const;

    // The JDK folder: the default link resolved, else the folder above the bin folder of the
    // first javac on the search path, resolved; either counts only with a bin/javac in it.
    // "" when there is none.
    static std::string FindDefaultJdk(const CJdkSearch& search);
    // JAVA_VERSION of a JDK's release file; "" when there is none.
    static std::string ReadReleaseVersion(const std::string& jdkFolder);
    // "17.0.15" gives "17", "1.8.0_292" gives "1.8"; "" when it starts with no number.
    static std::string FeatureVersion(std::string_view javaVersion);

private:
    CRegFile m_machine;
};
