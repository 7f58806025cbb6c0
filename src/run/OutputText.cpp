#include "OutputText.h"

#include <algorithm>
#include <cstring>

void COutputText::AppendChunk(std::string_view chunk)
{
    if (const void* nul = std::memchr(chunk.data(), '\0', chunk.size()))
        chunk = chunk.substr(0, static_cast<std::size_t>(static_cast<const char*>(nul) - chunk.data()));

    // The text so far is already normal: each LF in it follows a CR. A new LF only needs a CR
    // put before it when the character before it is not a CR; that character may be the last
    // one of the previous chunk.
    while (!chunk.empty()) {
        const void* found = std::memchr(chunk.data(), '\n', chunk.size());
        if (found == nullptr) {
            m_strText += chunk;
            return;
        }
        const auto nLine = static_cast<std::size_t>(static_cast<const char*>(found) - chunk.data());
        m_strText.append(chunk.data(), nLine);
        if (m_strText.empty() || m_strText.back() != '\r')
            m_strText += '\r';
        m_strText += '\n';
        chunk.remove_prefix(nLine + 1);
    }
}

COutputText COutputText::CopyWithRoom(std::size_t nBytes) const
{
    COutputText copy;
    copy.m_strText.reserve(std::max(2 * m_strText.capacity(), m_strText.size() + nBytes));
    copy.m_strText.append(m_strText);
    return copy;
}

std::string COutputText::CopyFrom(std::size_t nFrom, std::size_t nMax) const
{
    if (nFrom >= m_strText.size())
        return std::string();
    return m_strText.substr(nFrom, nMax);
}
