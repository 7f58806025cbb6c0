#include "InstanceMessage.h"

#include <algorithm>

namespace {

constexpr std::string_view kMagic = "ODK1";

void PutNumber(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

}  // namespace

std::optional<std::string> CInstanceMessage::Encode(const std::vector<std::string>& paths)
{
    if (paths.size() > kMaxPaths)
        return std::nullopt;
    std::string out(kMagic);
    PutNumber(out, static_cast<std::uint32_t>(paths.size()));
    for (const std::string& path : paths) {
        if (path.size() > kMaxPathBytes)
            return std::nullopt;
        PutNumber(out, static_cast<std::uint32_t>(path.size()));
        out += path;
    }
    return out;
}

CInstanceMessage::State CInstanceMessage::Append(std::string_view bytes)
{
    if (m_state == State::Malformed)
        return m_state;
    if (m_state == State::Complete) {
        if (!bytes.empty())
            m_state = State::Malformed;
        return m_state;
    }
    m_pending.append(bytes);
    Consume();
    return m_state;
}

bool CInstanceMessage::TakeNumber(std::size_t& pos, std::uint32_t& value) const
{
    if (m_pending.size() - pos < 4)
        return false;
    value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(m_pending[pos++]);
    return true;
}

void CInstanceMessage::Consume()
{
    std::size_t pos = 0;
    if (!m_bHeaderRead) {
        // A wrong first byte is wrong at once; no need to wait for the rest.
        const std::size_t n = std::min(m_pending.size(), kMagic.size());
        if (std::string_view(m_pending).substr(0, n) != kMagic.substr(0, n)) {
            m_state = State::Malformed;
            return;
        }
        if (m_pending.size() < kMagic.size() + 4)
            return;
        pos = kMagic.size();
        std::uint32_t count = 0;
        TakeNumber(pos, count);
        if (count > kMaxPaths) {
            m_state = State::Malformed;
            return;
        }
        m_nExpected = count;
        m_bHeaderRead = true;
    }
    while (m_paths.size() < m_nExpected) {
        if (!m_pathLength) {
            std::uint32_t length = 0;
            if (!TakeNumber(pos, length))
                break;
            if (length > kMaxPathBytes) {
                m_state = State::Malformed;
                return;
            }
            m_pathLength = length;
        }
        if (m_pending.size() - pos < *m_pathLength)
            break;
        m_paths.push_back(m_pending.substr(pos, *m_pathLength));
        pos += *m_pathLength;
        m_pathLength.reset();
    }
    // What stays is at most one unfinished field, so dropping the rest each time stays cheap.
    m_pending.erase(0, pos);
    if (m_paths.size() == m_nExpected)
        m_state = m_pending.empty() ? State::Complete : State::Malformed;
}
