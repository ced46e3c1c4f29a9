// Text helpers shared by every reader and writer of both programs.
// All texts are std::string holding Latin-1 bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/platform.h"

inline constexpr const char* CRLF = "\r\n";

// How much the readers take of a file. A folder may be shared, and a name
// the programs read may lead to a FIFO, a device or an endless file: only
// regular files are read, never waiting, and never more than these sizes.
// Files read whole (question banks, diagram files): 16 MB, far above any
// real one (the largest official bank is about 0.5 MB).
inline constexpr std::uint64_t WholeFileLimit = std::uint64_t{16} << 20;
// Files read line by line (the history log), which hold a line at a time
// in memory and grow by a session each exam: 1 GB.
inline constexpr std::uint64_t LineFileLimit = std::uint64_t{1} << 30;

// The text that follows "err=N" in a message about a file that could not be
// read or written: the system's text for the error, or, for a file refused
// by the rules above (or a log that is not a regular file), the reason in
// the interface language.
std::string fileErrorText(FileOutcome outcome, int error, std::uint64_t sizeLimit);

// Reads a file line by line in binary mode. A line ends at LF; a CR just
// before the LF is dropped. NUL bytes and any other byte stay in the line.
// The last line counts even without a line end; an empty file has no line.
class LineReader {
public:
    LineReader() = default;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Opens a regular file no longer than sizeLimit, without waiting.
    // Returns false and leaves the error number in error() (and the reason
    // in failureText()) when the file cannot be opened or is refused.
    bool open(const std::filesystem::path& path, std::uint64_t sizeLimit = LineFileLimit);
    bool isOpen() const { return file_ != nullptr; }
    // Next line without its line end; false at end of file or on a read error
    // (readError() tells them apart).
    bool next(std::string& line);
    bool readError() const { return readError_; }
    int error() const { return error_; }
    FileOutcome outcome() const { return outcome_; }
    std::string failureText() const { return fileErrorText(outcome_, error_, sizeLimit_); }
    // Byte offset in the file where the next line begins, and a jump to such
    // an offset (readers that catalogue lines come back to them later).
    long long position() const { return base_ + static_cast<long long>(pos_); }
    bool seek(long long offset);
    void close();

private:
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    size_t pos_ = 0;
    size_t len_ = 0;
    long long base_ = 0;  // file offset of buffer_[0]
    int error_ = 0;
    FileOutcome outcome_ = FileOutcome::Done;
    std::uint64_t sizeLimit_ = LineFileLimit;
    bool readError_ = false;
    bool fill();
};

// Whole-file helpers, under the rules of LineReader::open and at most
// WholeFileLimit bytes for readFileBytes. Both return false with the error
// number in error on failure; failureText, when given, receives the text
// that goes with it (fileErrorText).
bool readAllLines(const std::filesystem::path& path, std::vector<std::string>& lines, int& error);
bool readFileBytes(const std::filesystem::path& path, std::string& bytes, int& error,
                   std::string* failureText = nullptr);

// Writes text followed by CR LF; false on a write error.
bool writeLine(std::FILE* file, std::string_view text);

// Text of a system error number, for messages of the form "err=& &".
std::string errorText(int error);

std::string trimSpaces(std::string_view s);      // spaces at both ends
std::string trimBlanks(std::string_view s);      // spaces and tabs at both ends
std::string trimLeftSpaces(std::string_view s);
std::string trimRightSpaces(std::string_view s);
// The same as views into s, for readers that copy nothing.
std::string_view trimSpacesView(std::string_view s);
std::string_view trimLeftSpacesView(std::string_view s);
// A record line of a bank or diagram file: leading spaces and tabs go,
// trailing spaces only.
std::string_view trimRecordLine(std::string_view line);

// Assignment to a fixed-width field: cut on the right or padded with spaces.
std::string fixedWidth(std::string_view value, size_t width);

// Lenient numeric reading: leading spaces and tabs are skipped, then an
// optional sign and the digits that follow; anything else gives 0.
// "17abc" is 17, "x" is 0, "-1" is -1, "" is 0.
long long leadingNumber(std::string_view s);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long roundHalfEven(double value);

// Source literals are UTF-8; program texts are Latin-1. Characters outside
// Latin-1 become '?'. Malformed sequences are copied byte for byte.
std::string latin1(std::string_view utf8);
std::string toUtf8(std::string_view latin1Text);

// True when the bytes are valid UTF-8 and hold at least one multi-byte
// sequence (plain ASCII is left alone), or begin with the UTF-8 byte-order mark.
bool looksLikeUtf8(std::string_view bytes);

std::string upperCase(std::string_view s);  // Latin-1 aware
std::string lowerCase(std::string_view s);

// Replaces every occurrence of `from` (not empty) by `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);
// Splits at each occurrence of the separator; "a||b" gives three fields.
std::vector<std::string> splitFields(std::string_view s, char separator);
