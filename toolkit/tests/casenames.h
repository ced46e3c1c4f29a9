// Names for the cases of parameterised tests. Left alone, gtest numbers the
// cases and ctest shows each case's raw bytes, which change from one build to
// the next; a name made of the case's own words reads well in a listing and
// stays the same.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

// A text as a test name: letters, digits and '_' kept, a space or a dash
// inside a word becomes '_', other signs are spelled out ("&" -> "Amp") so
// that masks and file names that differ only in their signs keep apart.
inline std::string caseName(std::string_view text) {
    auto sign = [](char c) -> const char* {
        switch (c) {
        case '&': return "Amp";
        case '#': return "Hash";
        case '%': return "Pct";
        case '!': return "Bang";
        case '\\': return "Bsl";
        case '/': return "Slash";
        case '|': return "Bar";
        case '.': return "Dot";
        case ',': return "Comma";
        case ':': return "Colon";
        case ';': return "Semi";
        case '-': return "Minus";
        case '+': return "Plus";
        case '=': return "Eq";
        case '<': return "Lt";
        case '>': return "Gt";
        case '(': return "Lp";
        case ')': return "Rp";
        case '[': return "Lb";
        case ']': return "Rb";
        case '{': return "Lc";
        case '}': return "Rc";
        case '*': return "Star";
        case '^': return "Caret";
        case '~': return "Tilde";
        case '?': return "Q";
        case '"': return "Quote";
        case '\'': return "Apos";
        case '\t': return "Tab";
        case '\r': return "CR";
        case '\n': return "LF";
        default: return nullptr;
        }
    };
    auto alnum = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    std::string name;
    bool afterSign = false;  // "a = b" reads a_Eq_b, not a__Eq__b
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const unsigned char u = static_cast<unsigned char>(c);
        // A dash inside a word ("B-001-002", "Basic-English") only joins.
        const bool joiningDash =
            c == '-' && i > 0 && i + 1 < text.size() && alnum(text[i - 1]) && alnum(text[i + 1]);
        if (alnum(c) || c == '_') {
            name += c;
            afterSign = false;
        } else if (c == ' ' || joiningDash) {
            if (!afterSign) name += '_';
            afterSign = false;
        } else {
            if (!name.empty() && name.back() != '_') name += '_';
            afterSign = true;
            if (const char* word = sign(c)) {
                name += word;
            } else {
                char hex[4];
                std::snprintf(hex, sizeof hex, "x%02X", u);
                name += hex;
            }
            name += '_';
        }
    }
    // Long texts are cut: the start tells the cases apart well enough.
    if (name.size() > 48) name.resize(48);
    return name.empty() ? "Empty" : name;
}

// The interface languages by their number.
inline std::string languageName(int language) { return language == 1 ? "French" : "English"; }

// The generator for case structs that carry their own `name`.
struct ByName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return caseName(info.param.name);
    }
};

// A generator naming each case by what `describe` makes of it.
template <class Describe>
auto namedBy(Describe describe) {
    return [describe](const auto& info) { return caseName(describe(info.param)); };
}
