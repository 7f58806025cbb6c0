#include "SettingsStore.h"

#include "FileIo.h"
#include "Paths.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Creates the folder and any missing parents, private to the user as the base-directory rules ask.
bool MakeFolders(const std::string& folder)
{
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos < folder.size() && folder[pos] != Paths::kSeparator)
            continue;
        const std::string part = folder.substr(0, pos);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st {};
    return folder.empty() || (::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

// Serialises the read-change-write of instances sharing the file. Without the lock (a file
// system that refuses it) the write goes ahead anyway.
class CFolderLock {
public:
    explicit CFolderLock(const std::string& folder)
        : m_fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0) {
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~CFolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);  // also releases the lock
    }
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

private:
    int m_fd;
};

}  // namespace

CSettingsStore::CSettingsStore(std::string filePath, std::string company, std::string application)
    : m_strFilePath(std::move(filePath)), m_strCompany(std::move(company)), m_strApplication(std::move(application))
{
}

std::string CSettingsStore::DefaultFilePath(std::string_view company, std::string_view application)
{
    const std::string base = Paths::UserBaseFolder("XDG_CONFIG_HOME", ".config");
    return Paths::Join(Paths::Join(base, company), std::string(application) + ".reg");
}

std::string CSettingsStore::SectionKey(std::string_view section) const
{
    std::string key = "HKEY_CURRENT_USER\\Software\\";
    key.append(m_strCompany).append("\\").append(m_strApplication).append("\\").append(section);
    return key;
}

void CSettingsStore::EnsureLoaded() const
{
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    const auto read = FileIo::ReadWholeFile(m_strFilePath);
    if (read.status != FileIo::FileStatus::Ok)
        return;
    if (auto parsed = CRegFile::Parse(read.bytes))
        m_view = std::move(*parsed);
}

const CRegValue* CSettingsStore::Find(std::string_view section, std::string_view name) const
{
    EnsureLoaded();
    const CRegKey* key = m_view.FindKey(SectionKey(section));
    return key != nullptr ? key->FindValue(name) : nullptr;
}

std::uint32_t CSettingsStore::GetNumber(std::string_view section, std::string_view name,
                                        std::uint32_t defaultValue) const
{
    const CRegValue* value = Find(section, name);
    return value != nullptr && value->type == RegType::Dword ? value->nData : defaultValue;
}

std::string CSettingsStore::GetString(std::string_view section, std::string_view name,
                                      std::string_view defaultValue) const
{
    const CRegValue* value = Find(section, name);
    return value != nullptr && value->type == RegType::String ? value->strData : std::string(defaultValue);
}

void CSettingsStore::SetNumber(std::string_view section, std::string_view name, std::uint32_t number)
{
    Change(CChange{std::string(section), std::string(name), RegType::Dword, {}, number});
}

void CSettingsStore::SetString(std::string_view section, std::string_view name, std::string_view text)
{
    Change(CChange{std::string(section), std::string(name), RegType::String, std::string(text), 0});
}

void CSettingsStore::Apply(CRegFile& file, const CChange& change) const
{
    const std::string key = SectionKey(change.strSection);
    if (change.type == RegType::Dword)
        file.SetDword(key, change.strName, change.nNumber);
    else
        file.SetString(key, change.strName, change.strText);
}

void CSettingsStore::Change(CChange change)
{
    EnsureLoaded();
    Apply(m_view, change);
    // Only the latest change of a value is kept, so failing writes cannot pile changes up.
    std::erase_if(m_pending, [&](const CChange& earlier) {
        return RegNamesEqual(earlier.strSection, change.strSection) && RegNamesEqual(earlier.strName, change.strName);
    });
    m_pending.push_back(std::move(change));
    if (m_nBatchDepth == 0)
        WritePending();
}

void CSettingsStore::WritePending()
{
    if (m_pending.empty())
        return;
    const std::string folder = Paths::FolderOf(m_strFilePath);
    if (!MakeFolders(folder))
        return;
    CFolderLock lock(folder);

    CRegFile onDisk;
    const auto read = FileIo::ReadWholeFile(m_strFilePath);
    bool bad = read.status != FileIo::FileStatus::Ok && read.status != FileIo::FileStatus::NotFound;
    if (read.status == FileIo::FileStatus::Ok) {
        if (auto parsed = CRegFile::Parse(read.bytes))
            onDisk = std::move(*parsed);
        else
            bad = true;
    }
    if (bad && !FileIo::KeepAside(m_strFilePath))
        return;

    for (const auto& change : m_pending)
        Apply(onDisk, change);
    if (FileIo::WriteFileReplacing(m_strFilePath, onDisk.Write()) != FileIo::FileStatus::Ok)
        return;
    m_view = std::move(onDisk);
    m_pending.clear();
}

CSettingsStore::CBatch::CBatch(CSettingsStore& store) : m_store(store)
{
    ++m_store.m_nBatchDepth;
}

CSettingsStore::CBatch::~CBatch()
{
    if (--m_store.m_nBatchDepth == 0)
        m_store.WritePending();
}
