#pragma once

#include "platform/JdkRegistryView.h"

#include <string>

// What the application takes from the system it runs on; tests give their own.
struct CAppEnvironment {
    std::string strProgramPath;   // full path of the program file
    std::string strSettingsFile;  // the per-user settings file
    CJdkSearch jdkSearch;         // where the installed JDK is looked for
    // Where unsaved documents are kept against a crash; "" keeps none.
    std::string strRecoveryFolder;

    // The running program's own: its executable, the user's settings file and state folder, the
    // system's JDK.
    static CAppEnvironment FromProcess();
};
