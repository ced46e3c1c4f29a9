#include "toolkit/masks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "toolkit/text.h"

std::string MaskValue::asText() const {
    if (!numeric) return text;
    if (std::isfinite(number) && number == std::floor(number) && std::fabs(number) < 1e18)
        return std::to_string(static_cast<long long>(number));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%g", number);
    return buf;
}

long long MaskValue::asWhole() const {
    return numeric ? roundHalfEven(number) : leadingNumber(text);
}

std::string fillMask(std::string_view mask, const std::vector<MaskValue>& values) {
    std::string out;
    size_t next = 0;
    size_t i = 0;
    while (i < mask.size()) {
        char c = mask[i];
        if (c == '_') {
            if (i + 1 < mask.size()) out += mask[i + 1];
            i += 2;
            continue;
        }
        size_t fieldEnd = i;
        if (c == '&' || c == '!') {
            fieldEnd = i + 1;
        } else if (c == '#') {
            fieldEnd = mask.find_first_not_of('#', i);
            if (fieldEnd == std::string_view::npos) fieldEnd = mask.size();
        } else if (c == '\\') {
            size_t j = mask.find_first_not_of(' ', i + 1);
            if (j != std::string_view::npos && mask[j] == '\\') fieldEnd = j + 1;
        }
        if (fieldEnd == i) {
            out += c;
            ++i;
            continue;
        }
        if (next >= values.size()) return out;
        const MaskValue& v = values[next++];
        if (c == '&') {
            out += v.asText();
        } else if (c == '!') {
            std::string t = v.asText();
            out += t.empty() ? ' ' : t[0];
        } else if (c == '\\') {
            out += fixedWidth(v.asText(), fieldEnd - i);
        } else {
            std::string digits = std::to_string(v.asWhole());
            size_t width = fieldEnd - i;
            if (digits.size() < width) out.append(width - digits.size(), ' ');
            out += digits;
        }
        i = fieldEnd;
    }
    return out;
}

std::string formatNumber(double value, std::string_view picture) {
    bool percent = picture.find('%') != std::string_view::npos;
    if (percent) value *= 100;
    size_t point = picture.find('.');
    std::string_view whole = picture.substr(0, point);
    int decimals = 0;
    if (point != std::string_view::npos)
        for (char c : picture.substr(point + 1))
            if (c == '0' || c == '#') ++decimals;
    // Integer digits always shown: from the first '0' to the decimal point.
    int minDigits = 0;
    size_t firstZero = whole.find('0');
    if (firstZero != std::string_view::npos)
        for (char c : whole.substr(firstZero))
            if (c == '0' || c == '#') ++minDigits;

    // A double carries about 15 significant digits: decimal places past
    // that are shown as zeros, which also keeps 10^places a whole number.
    const int exactDecimals = std::min(decimals, 15);
    bool negative = value < 0;
    const long long scale = static_cast<long long>(std::pow(10.0, exactDecimals));
    long long scaled = roundHalfEven(std::fabs(value) * static_cast<double>(scale));
    long long intPart = scaled / scale;
    long long fracPart = scaled % scale;

    std::string digits = intPart == 0 ? std::string() : std::to_string(intPart);
    if (static_cast<int>(digits.size()) < minDigits)
        digits.insert(0, minDigits - digits.size(), '0');
    // A picture of '#' alone would print nothing for zero; a score of nothing
    // still reads "0%".
    if (digits.empty() && decimals == 0) digits = "0";

    std::string out;
    if (negative && scaled != 0) out += '-';
    out += digits;
    if (decimals > 0) {
        std::string frac = std::to_string(fracPart);
        out += '.';
        out.append(exactDecimals - frac.size(), '0');
        out += frac;
        out.append(decimals - exactDecimals, '0');
    }
    if (percent) out += '%';
    return out;
}
