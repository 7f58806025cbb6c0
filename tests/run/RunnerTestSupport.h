#pragma once

#include <dirent.h>

#include <chrono>
#include <string>
#include <thread>

// The child program the runner's tests start (built beside the tests).
inline const std::string kHelper = ONDRIK_PROCESS_HELPER;

// Waits for a condition with a limit generous enough for a loaded machine.
template <class Predicate>
bool WaitFor(Predicate done, std::chrono::seconds limit = std::chrono::seconds(60))
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Entries of a /proc folder: the open descriptors or the threads of this process.
inline int CountEntries(const char* folder)
{
    DIR* dir = ::opendir(folder);
    if (dir == nullptr)
        return -1;
    int count = 0;
    while (const dirent* entry = ::readdir(dir))
        count += entry->d_name[0] != '.';
    ::closedir(dir);
    return count;
}
