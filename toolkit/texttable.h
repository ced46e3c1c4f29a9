// Tables of texts in both languages: written in UTF-8 in the source, handed
// out as the programs' Latin-1 texts, each converted once, on first use.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "toolkit/text.h"

template <typename Id>
struct TextPair {
    Id id;
    const char* english;
    const char* french;
};

// The text of id from the table Texts (an array of TextPair whose ids run
// from 0 without a gap) in language: 1 is French, anything else English.
// The conversion is made once, safely from any thread.
template <const auto& Texts, typename Id>
const std::string& textFromTable(Id id, int language) {
    static const std::vector<std::array<std::string, 2>> converted = [] {
        std::vector<std::array<std::string, 2>> t(std::size(Texts));
        for (const auto& p : Texts) t[static_cast<std::size_t>(p.id)] = {latin1(p.english), latin1(p.french)};
        return t;
    }();
    return converted[static_cast<std::size_t>(id)][language == 1 ? 1 : 0];
}
