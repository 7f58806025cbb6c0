#include "WordMarker.h"

CWordMarker::CWordMarker(const std::vector<std::string>& words, std::string_view alphabet, bool bIgnoreCase)
    : m_words(words)
{
    for (int c = 0; c < 256; ++c) {
        const bool bUpper = bIgnoreCase && c >= 'A' && c <= 'Z';
        m_fold[static_cast<std::size_t>(c)] = static_cast<char>(bUpper ? c - 'A' + 'a' : c);
    }
    for (char c : alphabet)
        m_bWordChar[static_cast<unsigned char>(c)] = true;
    for (const std::string& word : m_words) {
        std::size_t nRun = 0;
        while (nRun < word.size() && IsWordChar(word[nRun]))
            ++nRun;
        // A word that begins outside the alphabet can never have such neighbours' run start it.
        if (nRun == 0)
            continue;
        m_buckets[static_cast<unsigned char>(word[0])][std::min(nRun, kRunLengths - 1)].push_back(word);
        m_runLengths[static_cast<unsigned char>(word[0])] |= static_cast<std::uint16_t>(1u << std::min(nRun, kRunLengths - 1));
    }
}

bool CWordMarker::Continues(std::string_view text, std::size_t nStart, std::string_view word) const
{
    const std::size_t nEnd = nStart + word.size();
    return word.size() > 0 && nEnd <= text.size() && Equal(text.substr(nStart), word) &&
           (nEnd == text.size() || !IsWordChar(text[nEnd]));
}

std::vector<std::string> CWordMarker::SplitList(std::span<const std::string_view> parts)
{
    std::string joined;
    for (std::string_view part : parts)
        joined += part;
    std::vector<std::string> words;
    std::size_t nStart = 0;
    for (std::size_t nSemicolon; (nSemicolon = joined.find(';', nStart)) != std::string::npos; nStart = nSemicolon + 1)
        words.push_back(joined.substr(nStart, nSemicolon - nStart));
    if (nStart < joined.size())
        words.push_back(joined.substr(nStart));
    return words;
}
