#include "ToolProjectHost.h"

#include "platform/SettingsStore.h"

namespace {

constexpr const char* kCompany = "Kestrune";
constexpr const char* kApplication = "Ondrik";

}  // namespace

// A new or empty project takes the user's default switches, as it would in the IDE.
CToolProjectHost::CToolProjectHost(std::ostream& err) : m_ui(err)
{
    const CSettingsStore store(CSettingsStore::DefaultFilePath(kCompany, kApplication), kCompany, kApplication);
    m_strJavaOptions = store.GetString("OPTIONS", "JAVAOPTIONS", "");
    m_strJavac = store.GetString("OPTIONS", "JAVAC", "");
}
