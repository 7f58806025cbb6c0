#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Finds every occurrence of a word list's words whose neighbours are outside an alphabet: the
// byte before the word and the byte after it are each absent or not in the alphabet. The text
// is read once as maximal runs of alphabet bytes, since such an occurrence starts a run; a word
// whose own bytes leave the alphabet (h1) starts with a run that ends where the word leaves it.
class CWordMarker {
public:
    CWordMarker(const std::vector<std::string>& words, std::string_view alphabet);

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
            const std::string_view run = text.substr(i, nEnd - i);
            for (const std::string_view word : Bucket(run)) {
                if (word.size() == run.size() ? word == run : Continues(text, i, word))
                    found(i, word.size());
            }
            i = nEnd;
        }
    }

private:
    // The words whose leading run of alphabet bytes is as long as run and begins as it does.
    const std::vector<std::string_view>& Bucket(std::string_view run) const;
    // Whether word stands at nStart, beyond its leading run, with no alphabet byte after it.
    bool Continues(std::string_view text, std::size_t nStart, std::string_view word) const;

    std::vector<std::string> m_words;
    std::array<bool, 256> m_bWordChar {};
    // By first byte, then by the length of the leading run (capped).
    static constexpr std::size_t kRunLengths = 16;
    std::array<std::array<std::vector<std::string_view>, kRunLengths>, 256> m_buckets;
};
