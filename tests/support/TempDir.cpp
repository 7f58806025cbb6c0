#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

CTempDir::CTempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "ondrik-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    m_strPath = pattern;
}

CTempDir::~CTempDir()
{
    std::error_code ec;
    // Tests make files read-only; give the write bits back so everything can go.
    // Links are left alone: chmod would follow them out of the folder.
    for (auto it = std::filesystem::recursive_directory_iterator(m_strPath, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink())
            ::chmod(it->path().c_str(), it->is_directory() ? 0755 : 0644);
    }
    ::chmod(m_strPath.c_str(), 0755);
    std::filesystem::remove_all(m_strPath, ec);
}

std::string CTempDir::Write(std::string_view name, std::string_view bytes) const
{
    const std::string path = File(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string CTempDir::Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
