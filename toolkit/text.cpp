#include "toolkit/text.h"

#include <cerrno>
#include <cmath>
#include <cstring>

#include "toolkit/masks.h"
#include "toolkit/uicontext.h"

std::string fileErrorText(FileOutcome outcome, int error, std::uint64_t sizeLimit) {
    if (outcome == FileOutcome::NotRegular)
        return inLanguage("not a regular file (a FIFO, a device or a folder), refused",
                          latin1("pas un fichier ordinaire (FIFO, périphérique ou dossier), refusé"));
    if (outcome == FileOutcome::TooLarge)
        return fillMask(inLanguage("longer than & bytes, refused", latin1("plus long que & octets, refusé")),
                        {std::to_string(sizeLimit)});
    return errorText(error);
}

LineReader::~LineReader() { close(); }

bool LineReader::open(const std::filesystem::path& path, std::uint64_t sizeLimit) {
    close();
    sizeLimit_ = sizeLimit;
    file_ = openRegularFile(path, sizeLimit, outcome_, error_);
    if (!file_) {
        if (error_ == 0) error_ = outcomeError(outcome_);
        return false;
    }
    error_ = 0;
    readError_ = false;
    buffer_.resize(1 << 16);
    pos_ = len_ = 0;
    base_ = 0;
    return true;
}

bool LineReader::seek(long long offset) {
    if (!file_ || offset < 0) return false;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) {
        error_ = errno ? errno : EIO;
        return false;
    }
    base_ = offset;
    pos_ = len_ = 0;
    return true;
}

void LineReader::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

bool LineReader::fill() {
    if (!file_) return false;
    base_ += static_cast<long long>(len_);
    len_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
    pos_ = 0;
    if (len_ == 0 && std::ferror(file_)) {
        readError_ = true;
        error_ = errno ? errno : EIO;
    }
    return len_ > 0;
}

bool LineReader::next(std::string& line) {
    line.clear();
    if (!file_) return false;
    bool any = false;
    for (;;) {
        if (pos_ >= len_ && !fill()) break;
        any = true;
        const char* start = buffer_.data() + pos_;
        const void* lf = std::memchr(start, '\n', len_ - pos_);
        if (lf) {
            size_t n = static_cast<const char*>(lf) - start;
            line.append(start, n);
            pos_ += n + 1;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        line.append(start, len_ - pos_);
        pos_ = len_;
    }
    return any;
}

bool readAllLines(const std::filesystem::path& path, std::vector<std::string>& lines, int& error) {
    LineReader reader;
    lines.clear();
    if (!reader.open(path)) {
        error = reader.error();
        return false;
    }
    std::string line;
    while (reader.next(line)) lines.push_back(line);
    error = reader.readError() ? reader.error() : 0;
    return !reader.readError();
}

bool readFileBytes(const std::filesystem::path& path, std::string& bytes, int& error, std::string* failureText) {
    const FileOutcome outcome = readRegularFile(path, WholeFileLimit, bytes, error);
    if (outcome == FileOutcome::Done) return true;
    if (error == 0) error = outcomeError(outcome);
    if (failureText) *failureText = fileErrorText(outcome, error, WholeFileLimit);
    return false;
}

bool writeLine(std::FILE* file, std::string_view text) {
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size())
        return false;
    return std::fwrite("\r\n", 1, 2, file) == 2;
}

std::string errorText(int error) { return std::strerror(error); }

static bool isSpace(char c) { return c == ' '; }
static bool isBlank(char c) { return c == ' ' || c == '\t'; }

template <class Pred> static std::string_view trimWith(std::string_view s, Pred p, bool left, bool right) {
    size_t b = 0, e = s.size();
    if (left)
        while (b < e && p(s[b])) ++b;
    if (right)
        while (e > b && p(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string trimSpaces(std::string_view s) { return std::string(trimWith(s, isSpace, true, true)); }
std::string trimBlanks(std::string_view s) { return std::string(trimWith(s, isBlank, true, true)); }
std::string trimLeftSpaces(std::string_view s) { return std::string(trimWith(s, isSpace, true, false)); }
std::string trimRightSpaces(std::string_view s) { return std::string(trimWith(s, isSpace, false, true)); }
std::string_view trimSpacesView(std::string_view s) { return trimWith(s, isSpace, true, true); }
std::string_view trimLeftSpacesView(std::string_view s) { return trimWith(s, isSpace, true, false); }
std::string_view trimRecordLine(std::string_view line) {
    return trimWith(trimWith(line, isBlank, true, false), isSpace, false, true);
}

std::string fixedWidth(std::string_view value, size_t width) {
    std::string out(value.substr(0, width));
    out.resize(width, ' ');
    return out;
}

long long leadingNumber(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long value = 0;
    // Absurdly long digit runs saturate at 10^18 instead of overflowing.
    constexpr long long limit = 1'000'000'000'000'000'000LL;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
        value = value >= limit / 10 ? limit : value * 10 + (s[i] - '0');
    return negative ? -value : value;
}

long long roundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    double r = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
    if (r >= 9.2e18) return INT64_MAX;
    if (r <= -9.2e18) return INT64_MIN;
    return static_cast<long long>(r);
}

// Length of the UTF-8 sequence starting at s[i] and its code point, or 0 when
// the bytes there are not a well-formed sequence.
static size_t decodeUtf8(std::string_view s, size_t i, unsigned& cp) {
    auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned c = b(i);
    size_t n;
    if (c < 0x80) {
        cp = c;
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2;
        cp = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        cp = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        if ((b(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b(i + k) & 0x3F);
    }
    static const unsigned minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

std::string latin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
    while (i < utf8.size()) {
        unsigned cp;
        size_t n = decodeUtf8(utf8, i, cp);
        if (n == 0) {
            out += utf8[i++];
            continue;
        }
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
        i += n;
    }
    return out;
}

std::string toUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool looksLikeUtf8(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return true;
    bool multi = false;
    for (size_t i = 0; i < bytes.size();) {
        unsigned cp;
        size_t n = decodeUtf8(bytes, i, cp);
        if (n == 0) return false;
        if (n > 1) multi = true;
        i += n;
    }
    return multi;
}

std::string upperCase(std::string_view s) {
    std::string out(s);
    for (char& ch : out) {
        unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
            ch = static_cast<char>(c - 0x20);
    }
    return out;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& ch : out) {
        unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
    }
    return out;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    size_t pos = 0;
    for (;;) {
        size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::vector<std::string> splitFields(std::string_view s, char separator) {
    std::vector<std::string> fields;
    size_t pos = 0;
    for (;;) {
        size_t hit = s.find(separator, pos);
        if (hit == std::string_view::npos) {
            fields.emplace_back(s.substr(pos));
            return fields;
        }
        fields.emplace_back(s.substr(pos, hit - pos));
        pos = hit + 1;
    }
}
