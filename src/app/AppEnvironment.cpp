#include "AppEnvironment.h"

#include "QuarnelSettings.h"

#include "platform/Paths.h"
#include "platform/SettingsStore.h"

#include <climits>
#include <unistd.h>

CAppEnvironment CAppEnvironment::FromProcess()
{
    CAppEnvironment env;
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (n > 0 && static_cast<size_t>(n) < sizeof buffer)
        env.strProgramPath.assign(buffer, static_cast<size_t>(n));
    env.strSettingsFile =
        CSettingsStore::DefaultFilePath(CQuarnelSettings::kCompany, CQuarnelSettings::kApplication);
    env.jdkSearch = CJdkSearch::FromEnvironment();
    env.strRecoveryFolder = Paths::Join(Paths::UserBaseFolder("XDG_STATE_HOME", ".local/state"),
                                        std::string(CQuarnelSettings::kCompany) + "/" +
                                            CQuarnelSettings::kApplication + "/recovery");
    return env;
}
