#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Finds every occurrence of a word list's words whose neighbours are outside an alphabet: the
// byte before the word and the byte after it are each absent or not in the alphabet. The text
// is read once as maximal runs of alphabet bytes, since such an occurrence starts a run; a word
// whose own bytes leave the alphabet (h1) starts with a run that ends where the word leaves it.
// Words given in lower case may be matched in any case.
class CWordMarker {
public:
    CWordMarker(const std::vector<std::string>& words, std::string_view alphabet, bool bIgnoreCase = false);

    // The words of parts joined in order and split at each ";", a trailing empty piece dropped.
    static std::vector<std::string> SplitList(std::span<const std::string_view> parts);

    bool IsWordChar(char c) const { return m_bWordChar[static_cast<unsigned char>(c)]; }

    // Calls found(nStart, nLength) for each occurrence, in text order.
    template <class Found>
    void ForEach(std::string_view text, Found found) const
    {
        const std::size_t n = text.size();
        std::size_t i = 0;
        while (i < n) {
            if (!IsWordChar(text[i])) {
                ++i;
                continue;
            }
            std::size_t nEnd = i + 1;
            while (nEnd < n && IsWordChar(text[nEnd]))
                ++nEnd;
            ForEachAtRun(text, i, nEnd, found);
            i = nEnd;
        }
    }

    // Calls found(nStart, nLength) for each word that occurs at the maximal run of alphabet
    // bytes from nStart to nEnd, for callers that walk the text themselves.
    template <class Found>
    void ForEachAtRun(std::string_view text, std::size_t nStart, std::size_t nEnd, Found found) const
    {
        const std::string_view run = text.substr(nStart, nEnd - nStart);
        // Most runs are no word's: a small table says so without touching the buckets.
        const std::size_t nRun = std::min(run.size(), kRunLengths - 1);
        if ((m_runLengths[static_cast<unsigned char>(Fold(run[0]))] & (1u << nRun)) == 0)
            return;
        for (const std::string_view word : Bucket(run)) {
            if (word.size() == run.size() ? Equal(run, word) : Continues(text, nStart, word))
                found(nStart, word.size());
        }
    }

private:
    char Fold(char c) const { return m_fold[static_cast<unsigned char>(c)]; }
    // Whether bytes, as long as word, are word, in any case when case is ignored.
    bool Equal(std::string_view bytes, std::string_view word) const
    {
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (Fold(bytes[i]) != word[i])
                return false;
        }
        return true;
    }
    // The words whose leading run of alphabet bytes is as long as run and begins as it does.
    const std::vector<std::string_view>& Bucket(std::string_view run) const
    {
        return m_buckets[static_cast<unsigned char>(Fold(run[0]))][std::min(run.size(), kRunLengths - 1)];
    }
    // Whether word stands at nStart, beyond its leading run, with no alphabet byte after it.
    bool Continues(std::string_view text, std::size_t nStart, std::string_view word) const;

    std::vector<std::string> m_words;
    std::array<bool, 256> m_bWordChar {};
    // Each byte as compared: A to Z as a to z when case is ignored, else itself.
    std::array<char, 256> m_fold {};
    // By first byte, a bit for each length of leading run some word there has.
    std::array<std::uint16_t, 256> m_runLengths {};
    // By first byte, then by the length of the leading run (capped).
    static constexpr std::size_t kRunLengths = 16;
    std::array<std::array<std::vector<std::string_view>, kRunLengths>, 256> m_buckets;
};
