#include "RecoveryStore.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSessionPrefix = "session-";
constexpr std::string_view kRecordSuffix = ".rec";
constexpr const char* kLockName = "lock";

bool IsRecordName(std::string_view name)
{
    // Temporary files of a write the session did not finish start with a dot.
    return name.size() > kRecordSuffix.size() && name.front() != '.' &&
           name.substr(name.size() - kRecordSuffix.size()) == kRecordSuffix;
}

std::vector<std::string> NamesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Removes the folder and the files in it; with bOnlyWhenNoRecords, only a folder that holds no
// recovery file.
void RemoveSessionFolder(const std::string& folder, bool bOnlyWhenNoRecords)
{
    const std::vector<std::string> names = NamesIn(folder);
    if (bOnlyWhenNoRecords && std::any_of(names.begin(), names.end(), IsRecordName))
        return;
    for (const std::string& name : names)
        ::unlink(Paths::Join(folder, name).c_str());
    ::rmdir(folder.c_str());
}

// The lock of a session folder, taken; invalid when its session still runs.
CUniqueFd TakeLock(const std::string& folder)
{
    CUniqueFd lock(::open(Paths::Join(folder, kLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.IsValid() && ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0)
        lock.Reset();
    return lock;
}

std::int64_t ModifiedNs(const std::string& path)
{
    return CFileStamp::Of(path).nModifiedNs;
}

}  // namespace

CRecoveryStore::CRecoveryStore(std::string folder) : m_strFolder(std::move(folder)) {}

CRecoveryStore::~CRecoveryStore() = default;

FileIo::FileStatus CRecoveryStore::OpenSession()
{
    using FileIo::FileDirection;
    if (HasSession())
        return FileIo::FileStatus::Ok;
    std::error_code ec;
    fs::create_directories(Paths::FolderOf(m_strFolder), ec);
    // What the user has not saved is for the user's eyes only.
    if (::mkdir(m_strFolder.c_str(), 0700) != 0 && errno != EEXIST)
        return FileIo::StatusFromErrno(errno, FileDirection::Writing);
    // The folder gets its session name only once it is locked, so nobody takes it for the
    // left-over of a session that ended.
    std::string making = Paths::Join(m_strFolder, ".new-XXXXXX");
    if (::mkdtemp(making.data()) == nullptr)
        return FileIo::StatusFromErrno(errno, FileDirection::Writing);
    CUniqueFd lock = TakeLock(making);
    const std::string session = Paths::Join(m_strFolder, std::string(kSessionPrefix) + making.substr(making.size() - 6));
    if (!lock.IsValid() || ::rename(making.c_str(), session.c_str()) != 0) {
        const int err = lock.IsValid() ? errno : EACCES;
        RemoveSessionFolder(making, false);
        return FileIo::StatusFromErrno(err, FileDirection::Writing);
    }
    m_strSession = session;
    m_sessionLock = std::move(lock);
    return FileIo::FileStatus::Ok;
}

std::string CRecoveryStore::NewDocumentFile()
{
    return Paths::Join(m_strSession, "doc-" + std::to_string(++m_nNextFile) + std::string(kRecordSuffix));
}

CRecoveryStore::CFindings CRecoveryStore::FindLeftOvers()
{
    CFindings found;
    for (const std::string& name : NamesIn(m_strFolder)) {
        const std::string folder = Paths::Join(m_strFolder, name);
        if (name.rfind(kSessionPrefix, 0) != 0 || folder == m_strSession ||
            std::any_of(m_leftOvers.begin(), m_leftOvers.end(), [&](const auto& held) { return held.first == folder; }))
            continue;
        CUniqueFd lock = TakeLock(folder);
        if (!lock.IsValid())
            continue;
        for (const std::string& fileName : NamesIn(folder)) {
            if (!IsRecordName(fileName))
                continue;
            const std::string file = Paths::Join(folder, fileName);
            const FileIo::FileReadResult read = FileIo::ReadWholeFile(file);
            std::optional<CRecoveryRecord> record;
            if (read.status == FileIo::FileStatus::Ok)
                record = CRecoveryRecord::Decode(read.bytes);
            if (record) {
                found.documents.push_back({file, std::move(*record)});
                continue;
            }
            const std::string aside = Paths::Join(m_strFolder, "unreadable-" + name + "-" + fileName);
            found.unreadable.emplace_back(file, ::rename(file.c_str(), aside.c_str()) == 0 ? aside : file);
        }
        m_leftOvers.emplace_back(folder, std::move(lock));
    }
    std::stable_sort(found.documents.begin(), found.documents.end(), [](const CLeftOver& a, const CLeftOver& b) {
        return ModifiedNs(a.strFile) < ModifiedNs(b.strFile);
    });
    return found;
}

std::string CRecoveryStore::Adopt(const std::string& file)
{
    if (OpenSession() != FileIo::FileStatus::Ok)
        return {};
    const std::string target = NewDocumentFile();
    return ::rename(file.c_str(), target.c_str()) == 0 ? target : std::string();
}

void CRecoveryStore::Discard(const std::string& file)
{
    ::unlink(file.c_str());
}

void CRecoveryStore::ReleaseLeftOvers()
{
    for (auto& [folder, lock] : m_leftOvers)
        RemoveSessionFolder(folder, true);
    m_leftOvers.clear();
}

void CRecoveryStore::CloseSession(bool bKeepFiles)
{
    if (!HasSession())
        return;
    RemoveSessionFolder(m_strSession, bKeepFiles);
    m_sessionLock.Reset();
    m_strSession.clear();
}
