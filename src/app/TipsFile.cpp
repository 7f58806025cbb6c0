#include "TipsFile.h"

#include "platform/FileIo.h"

#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

bool CTipsFile::Open(const std::string& path)
{
    FileIo::FileReadResult file = FileIo::ReadWholeFile(path);
    m_bOpen = file.status == FileIo::FileStatus::Ok;
    m_text = m_bOpen ? std::move(file.bytes) : std::string();
    m_nPos = 0;
    return m_bOpen;
}

bool CTipsFile::Seek(long offset)
{
    if (!m_bOpen || offset < 0)
        return false;
    // As with a file, a position past the end can be reached; reading there finds the end.
    m_nPos = static_cast<std::size_t>(offset);
    return true;
}

std::optional<std::string> CTipsFile::ReadPiece()
{
    if (m_nPos >= m_text.size())
        return std::nullopt;
    std::string piece;
    while (m_nPos < m_text.size() && piece.size() < kPieceLength) {
        const char c = m_text[m_nPos];
        if (c == '\n') {
            ++m_nPos;
            return piece;
        }
        if (c == '\r' && m_nPos + 1 < m_text.size() && m_text[m_nPos + 1] == '\n') {
            m_nPos += 2;
            return piece;
        }
        piece.push_back(c);
        ++m_nPos;
    }
    return piece;
}

bool CTipsFile::IsSkipped(const std::string& piece)
{
    return piece.empty() || piece[0] == ' ' || piece[0] == '\t' || piece[0] == ';';
}

std::optional<std::string> CTipsFile::ReadNextTip()
{
    if (!m_bOpen)
        return std::nullopt;
    // Wrapping once to the start is enough to see every line; a file without a tip ends here
    // instead of being read round and round.
    bool bWrapped = false;
    for (;;) {
        std::optional<std::string> piece = ReadPiece();
        if (!piece) {
            if (bWrapped)
                return std::nullopt;
            bWrapped = true;
            m_nPos = 0;
            continue;
        }
        if (!IsSkipped(*piece))
            return piece;
    }
}

std::string CTipsFile::CreationTimeText(const std::string& path)
{
    std::time_t when = 0;
    struct statx stx {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME | STATX_MTIME, &stx) == 0) {
        when = (stx.stx_mask & STATX_BTIME) != 0 ? stx.stx_btime.tv_sec : stx.stx_mtime.tv_sec;
    } else {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            return {};
        when = st.st_mtime;
    }
    char buffer[64];
    std::tm local {};
    if (::localtime_r(&when, &local) == nullptr || ::asctime_r(&local, buffer) == nullptr)
        return {};
    std::string text = buffer;
    while (!text.empty() && std::strchr(" \t\r\n", text.back()) != nullptr)
        text.pop_back();
    return text;
}
