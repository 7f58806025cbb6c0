#pragma once

#include <cstddef>
#include <random>
#include <span>
#include <string>
#include <vector>

// The texts the colouring tests compare their passes on: every text of up to nMostFew of the
// few pieces, so all ways they can meet, then nRandom texts of up to nMostRandom pieces drawn
// from pieces by a generator seeded with nSeed.
inline std::vector<std::string> PieceTexts(std::span<const std::string> few, std::size_t nMostFew,
                                           std::span<const std::string> pieces, int nRandom,
                                           std::size_t nMostRandom, unsigned nSeed)
{
    std::vector<std::string> texts = {""};
    for (std::size_t nFrom = 0, nLength = 0; nLength < nMostFew; ++nLength) {
        const std::size_t nTo = texts.size();
        for (std::size_t i = nFrom; i < nTo; ++i) {
            for (const std::string& piece : few)
                texts.push_back(texts[i] + piece);
        }
        nFrom = nTo;
    }
    std::mt19937 random(nSeed);
    std::uniform_int_distribution<std::size_t> count(0, nMostRandom);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    for (int n = 0; n < nRandom; ++n) {
        std::string text;
        for (std::size_t k = count(random); k > 0; --k)
            text += pieces[pick(random)];
        texts.push_back(text);
    }
    return texts;
}
