#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

// Where the running instance listens for later starts: one socket per user, in a folder only
// that user may enter.
namespace InstanceSocket {

inline constexpr std::string_view kSocketName = "ondrik.socket";

struct CPlace {
    std::string strPath;   // the socket's path when there is a safe folder for it
    std::string strError;  // why there is none
};

// In runtimeFolder ($XDG_RUNTIME_DIR) when it is an absolute path; otherwise in a folder
// "ondrik-UID" under tempFolder, made with mode 0700 and refused unless it is a real folder
// of that user's open to nobody else.
CPlace PlaceFor(std::string_view runtimeFolder, std::string_view tempFolder, uid_t uid);

// The same for this process: its environment and its user.
CPlace PlaceFromProcess();

}  // namespace InstanceSocket
