#pragma once

#include "FileStamp.h"

#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes with the failure kinds the documents report.
namespace FileIo {

enum class FileStatus {
    Ok,
    NotFound,      // no such file or a bad path
    AccessDenied,  // permission denied, or the file is read-only when writing
    DiskFull,
    Other,
};

struct FileReadResult {
    FileStatus status = FileStatus::Ok;
    std::string bytes;
    // The file as it was when reading began: a write meanwhile gives a later stamp.
    CFileStamp stamp;
};

enum class FileDirection { Reading, Writing };

FileStatus StatusFromErrno(int err, FileDirection direction);

FileReadResult ReadWholeFile(const std::string& path);

// Writes a temporary file beside the target and renames it over the target, so a failed
// write leaves the previous file exactly as it was. A target that is a symbolic link keeps
// the link: the file it points at is replaced. A target the user may not write is refused.
// Where the folder takes no new file but the target may be written, the target is written
// in place, with room for the new bytes taken before any old byte changes.
FileStatus WriteFileReplacing(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);

// Keeps a file the program cannot read under the first free name <file>.bad, <file>.bad.1, ...,
// so that what replaces it never destroys it. The name it was kept under; nothing when it could
// not be moved.
std::optional<std::string> KeepAside(const std::string& path);

// Makes folder the program's current folder, where the tools' relative names are looked up.
bool SetCurrentFolder(const std::string& folder);

}  // namespace FileIo
