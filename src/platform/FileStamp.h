#pragma once

#include <cstdint>
#include <string>

// One version of a file on disk, as far as the system tells them apart: any write, a
// replacement by rename or a removal gives another stamp. What the program read or wrote
// last is kept, so a later look can tell whether another program has been at the file.
struct CFileStamp {
    bool bExists = false;
    std::uint64_t nDevice = 0;
    std::uint64_t nInode = 0;
    std::int64_t nSize = 0;
    std::int64_t nModifiedNs = 0;

    bool operator==(const CFileStamp&) const = default;

    // The stamp of the file at path now; one that does not exist when it cannot be looked at.
    static CFileStamp Of(const std::string& path);
    // The stamp of an open file.
    static CFileStamp OfDescriptor(int fd);
};
