#include "Terminal.h"

#include "ChildProcess.h"
#include "Paths.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace Terminal {

namespace {

struct CKnownTerminal {
    const char* name;
    const char* runOption;  // what comes before the tool
};

constexpr CKnownTerminal kTerminals[] = {
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"xterm", "-e"},
};

bool IsExecutableFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Nobody waits for a terminal, so each one is reaped by a thread of its own as soon as it ends
// and none lingers as a zombie. Only that terminal's status is taken: the runner waits for its
// own children.
void ReapWhenEnded(pid_t pid)
{
    try {
        std::thread([pid] {
            int status = 0;
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to spare: the terminal is reaped by the system once this program ends.
    }
}

}  // namespace

std::optional<std::string> Find(std::string_view pathVariable)
{
    std::vector<std::string_view> folders;
    while (!pathVariable.empty()) {
        const std::size_t colon = pathVariable.find(':');
        const std::string_view folder = pathVariable.substr(0, colon);
        if (!folder.empty())
            folders.push_back(folder);
        if (colon == std::string_view::npos)
            break;
        pathVariable.remove_prefix(colon + 1);
    }
    for (const CKnownTerminal& terminal : kTerminals) {
        for (std::string_view folder : folders) {
            std::string candidate = Paths::Join(folder, terminal.name);
            if (IsExecutableFile(candidate))
                return candidate;
        }
    }
    return std::nullopt;
}

std::vector<std::string> Argv(const std::string& terminalPath, const std::string& tool,
                              const std::vector<std::string>& toolArguments)
{
    const std::string name = Paths::NameOf(terminalPath);
    const char* runOption = "-e";
    for (const CKnownTerminal& terminal : kTerminals) {
        if (name == terminal.name)
            runOption = terminal.runOption;
    }
    std::vector<std::string> argv {name, runOption, tool};
    argv.insert(argv.end(), toolArguments.begin(), toolArguments.end());
    return argv;
}

int Start(const std::string& tool, const std::vector<std::string>& toolArguments, const std::string& folder,
          pid_t* pLaunched, const std::string& launcher)
{
    // A missing tool fails here, as it would fail to start without a terminal around it.
    if (!IsExecutableFile(tool))
        return ENOENT;
    const char* path = std::getenv("PATH");
    const std::optional<std::string> terminal = Find(path != nullptr ? path : "");
    if (!terminal)
        return ENOENT;
    CSpawnRequest request;
    request.strApplication = *terminal;
    if (!launcher.empty() && IsExecutableFile(launcher)) {
        std::vector<std::string> launched {tool};
        launched.insert(launched.end(), toolArguments.begin(), toolArguments.end());
        request.argv = Argv(*terminal, launcher, launched);
    } else {
        request.argv = Argv(*terminal, tool, toolArguments);
    }
    request.strFolder = folder;
    CChildProcess child;
    if (const int nError = child.Start(request); nError != 0)
        return nError;
    // The window outlives this call and may outlive the program.
    const pid_t pid = child.Release();
    if (pLaunched != nullptr)
        *pLaunched = pid;
    ReapWhenEnded(pid);
    return 0;
}

}  // namespace Terminal
