// Turning texts written elsewhere into bank text, single-byte Latin-1: the
// department's fields for the import, and whole banks saved as UTF-8 for the
// reader. Typographic quotes, dashes and spaces have plain equivalents and
// are converted; any other character outside Latin-1 is refused, so that no
// question is silently changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class TextEncoding { Latin1, Utf8 };

struct TextProblem {
    enum Kind { None, NotLatin1, Control, BadUtf8 } kind = None;
    uint32_t codePoint = 0;  // the character refused (BadUtf8: the first byte)
};

// True when the bytes are valid UTF-8 (plain ASCII included).
bool isValidUtf8(std::string_view bytes);
// True when they hold at least one byte above 0x7F.
bool hasHighBytes(std::string_view bytes);
// True for the control characters no bank text may hold (tabs aside,
// which become spaces): C0, DEL and C1.
bool isControlCode(uint32_t cp);

// One field converted to Latin-1, tabs made spaces, spaces trimmed at both
// ends. Latin-1 input may carry the typographic characters of Windows code
// page 1252 in 0x80..0x9F. Returns false with the problem when a character
// cannot be written.
bool myToBankText(std::string_view field, TextEncoding encoding, std::string& text, TextProblem& problem);

// A whole UTF-8 text (a bank file) in Latin-1, by the same rules except that
// line ends, tabs and spaces stay as they are. False at the first character
// that cannot be written (or a malformed sequence), with the byte offset
// where it starts.
bool myUtf8ToLatin1(std::string_view utf8, std::string& text, TextProblem& problem, size_t& offset);

// "U+2126": how a refused character is named in messages.
std::string codePointName(uint32_t codePoint);
