#include "examsim/bank/banktext.h"

#include <cstdio>

#include "toolkit/text.h"

namespace {

// Decodes one UTF-8 sequence at pos; false on a malformed or overlong one.
bool decodeUtf8(std::string_view s, size_t& pos, uint32_t& cp) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(pos);
    int extra = 0;
    uint32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        ++pos;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (pos + extra >= s.size()) return false;
    for (int i = 1; i <= extra; ++i) {
        const unsigned char b = byte(pos + i);
        if ((b & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    pos += extra + 1;
    return true;
}

// Windows code page 1252 in 0x80..0x9F, where older Latin-1 editions keep
// their curly quotes and dashes; 0 where the code page has nothing.
constexpr uint32_t Cp1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The plain spelling of a character outside Latin-1, or null when it has none.
const char* plainEquivalent(uint32_t cp) {
    switch (cp) {
        case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032: case 0x2039: case 0x203A:
            return "'";
        case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033:
            return "\"";
        case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014: case 0x2015: case 0x2212:
            return "-";
        case 0x2026: return "...";
        // Thin and other fixed spaces become plain ones; the narrow
        // no-break space of French typography keeps its no-break nature.
        case 0x2002: case 0x2003: case 0x2004: case 0x2005: case 0x2006: case 0x2008: case 0x2009:
        case 0x200A:
            return " ";
        case 0x2007: case 0x202F: return "\xA0";
        case 0x200B: case 0xFEFF: return "";
        case 0x0152: return "OE";
        case 0x0153: return "oe";
        case 0x03BC: return "\xB5";  // Greek mu written for "micro"
        default: return nullptr;
    }
}

// The one spelling rule of both conversions: Latin-1 as it is, the others
// by their plain equivalent.
bool spellInLatin1(uint32_t cp, std::string& out, TextProblem& problem) {
    if (cp <= 0xFF) {
        out += static_cast<char>(cp);
        return true;
    }
    if (const char* plain = plainEquivalent(cp)) {
        out += plain;
        return true;
    }
    problem = {TextProblem::NotLatin1, cp};
    return false;
}

bool appendCodePoint(uint32_t cp, std::string& out, TextProblem& problem) {
    if (cp == '\t') {
        out += ' ';
        return true;
    }
    if (isControlCode(cp)) {
        problem = {TextProblem::Control, cp};
        return false;
    }
    return spellInLatin1(cp, out, problem);
}

}  // namespace

bool isControlCode(uint32_t cp) { return cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0); }

bool isValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    uint32_t cp = 0;
    while (pos < bytes.size())
        if (!decodeUtf8(bytes, pos, cp)) return false;
    return true;
}

bool hasHighBytes(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

bool myToBankText(std::string_view field, TextEncoding encoding, std::string& text, TextProblem& problem) {
    std::string out;
    out.reserve(field.size());
    problem = {};
    size_t pos = 0;
    while (pos < field.size()) {
        uint32_t cp = static_cast<unsigned char>(field[pos]);
        if (encoding == TextEncoding::Utf8) {
            if (!decodeUtf8(field, pos, cp)) {
                problem = {TextProblem::BadUtf8, static_cast<unsigned char>(field[pos])};
                return false;
            }
        } else {
            ++pos;
            if (cp >= 0x80 && cp < 0xA0 && Cp1252[cp - 0x80] != 0) cp = Cp1252[cp - 0x80];
        }
        if (!appendCodePoint(cp, out, problem)) return false;
    }
    text = trimSpaces(out);
    return true;
}

bool myUtf8ToLatin1(std::string_view utf8, std::string& text, TextProblem& problem, size_t& offset) {
    std::string out;
    out.reserve(utf8.size());
    problem = {};
    size_t pos = 0;
    while (pos < utf8.size()) {
        offset = pos;
        uint32_t cp = 0;
        if (!decodeUtf8(utf8, pos, cp)) {
            problem = {TextProblem::BadUtf8, static_cast<unsigned char>(utf8[pos])};
            return false;
        }
        if (!spellInLatin1(cp, out, problem)) return false;
    }
    text = std::move(out);
    return true;
}

std::string codePointName(uint32_t codePoint) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(codePoint));
    return buf;
}
