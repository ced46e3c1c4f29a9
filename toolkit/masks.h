// Message masks and number pictures: every message, status text, log record
// and report line of both programs is produced by filling a mask.
//
// Mask fields, scanned left to right, each taking the next value:
//   &        the value as text, whole
//   !        the first character of the value (a space when it is empty)
//   \  \     fixed-width text, as wide as from one backslash to the other
//            inclusive; cut or padded with spaces on the right
//   ###      a whole number right-aligned in as many positions as '#'s;
//            a number that needs more positions is shown whole (never cut)
//   _x       the character x as plain text
// Filling stops at the first field that has no value left.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct MaskValue {
    std::string text;
    double number = 0;
    bool numeric = false;

    MaskValue(const char* s) : text(s) {}
    MaskValue(std::string s) : text(std::move(s)) {}
    MaskValue(std::string_view s) : text(s) {}
    template <class N, std::enable_if_t<std::is_arithmetic_v<N>, int> = 0>
    MaskValue(N n) : number(static_cast<double>(n)), numeric(true) {}

    std::string asText() const;
    long long asWhole() const;
};

std::string fillMask(std::string_view mask, const std::vector<MaskValue>& values);

// Number pictures: "0" digit always shown, "#" digit shown when needed,
// "." decimal point (positions after it fix the decimals), "%" percentage
// (value x 100, sign shown). Rounding is half to even.
//   formatNumber(7, "0#") == "07", formatNumber(0.8333, "0.0%") == "83.3%"
std::string formatNumber(double value, std::string_view picture);
