#include "examsim/import/isedfile.h"

#include <cerrno>

#include <algorithm>
#include <chrono>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <map>
#include <set>
#include <string_view>

#include "examsim/bank/bankmodel.h"
#include "examsim/import/importtexts.h"
#include "examsim/import/isedarchive.h"
#include "examsim/import/syllabus.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

bool report(ImportText id, const std::vector<MaskValue>& values) {
    myErrorBox(fillMask(importText(id), values));
    return false;
}

// The faults of the file's contents. Read from an archive, a message names
// the member and its archive after the procedure's name ("notes.txt in
// pool.zip, line 1: ..."): the member may not be the file the user thinks.
struct ContentReport {
    std::string origin;  // "" for a file read as it is

    bool operator()(ImportText id, const std::vector<MaskValue>& values) const {
        std::string text = fillMask(importText(id), values);
        static const std::string procedure = "myReadIsedFile, ";
        if (!origin.empty() && text.rfind(procedure, 0) == 0)
            text.insert(procedure.size(), origin + ", ");
        myErrorBox(text);
        return false;
    }
};

struct RawLine {
    int number;
    std::string_view text;
};

// LF ends a line and a CR before it is dropped; blank lines are left out
// (editions end with one) but keep their place in the numbering.
std::vector<RawLine> splitLines(std::string_view bytes) {
    std::vector<RawLine> lines;
    int number = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number;
        if (line.find_first_not_of(" \t") != std::string_view::npos) lines.push_back({number, line});
        start = end + 1;
    }
    return lines;
}

// Ids are written in full, B-001-002-003: three digits in each number.
bool parseId(const std::string& id, int& section, int& topic, int& number) {
    if (id.size() != DesignationWidth || !std::isupper(static_cast<unsigned char>(id[0]))) return false;
    for (size_t i : {1, 5, 9})
        if (id[i] != '-') return false;
    int values[3] = {0, 0, 0};
    for (int f = 0; f < 3; ++f) {
        for (size_t i = 2 + 4 * size_t(f); i < 5 + 4 * size_t(f); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(id[i]))) return false;
            values[f] = values[f] * 10 + (id[i] - '0');
        }
        if (values[f] == 0) return false;
    }
    section = values[0], topic = values[1], number = values[2];
    return true;
}

// A text shown in a message before it has been checked.
std::string shown(std::string_view raw, TextEncoding encoding) {
    std::string text = trimBlanks(raw.substr(0, 30));
    return encoding == TextEncoding::Utf8 ? latin1(text) : text;
}

bool reportText(const ContentReport& report, int line, int field, const TextProblem& problem) {
    const std::string code = codePointName(problem.codePoint);
    switch (problem.kind) {
        case TextProblem::NotLatin1:
            return report(ImportText::NotLatin1Character, {line, field, code});
        case TextProblem::Control:
            return report(ImportText::ControlCharacter, {line, field, code});
        default:
            return report(ImportText::NotUtf8, {line, field});
    }
}

// The whole file is one encoding: UTF-8 when any line needs it, Latin-1
// otherwise. A file mixing both would come out garbled either way.
bool chooseEncoding(const ContentReport& report, const std::vector<RawLine>& lines,
                    bool byteOrderMark, TextEncoding& encoding) {
    int utf8Line = 0, latin1Line = 0;
    for (const RawLine& line : lines) {
        if (!hasHighBytes(line.text)) continue;
        if (isValidUtf8(line.text)) {
            if (!utf8Line) utf8Line = line.number;
        } else if (!latin1Line) {
            latin1Line = line.number;
        }
    }
    if (latin1Line && (utf8Line || byteOrderMark))
        return report(ImportText::MixedEncodings, {latin1Line, utf8Line ? utf8Line : 1});
    encoding = utf8Line || byteOrderMark ? TextEncoding::Utf8 : TextEncoding::Latin1;
    return true;
}

// Limits of the bank model, checked in file order so that the message names
// the line that goes past them.
struct LimitCheck {
    const ContentReport& report;
    std::set<std::string> topics;
    std::set<int> sections;

    bool admit(const ImportedQuestion& q, int count, int number) {
        if (number > MaxPerTopic)
            return report(ImportText::TooManyInTopic, {q.Line, q.Designation, MaxPerTopic});
        if (topics.insert(q.Designation.substr(0, TopicKeyWidth)).second && topics.size() > MaxTopics)
            return report(ImportText::TooManyTopics, {q.Line, q.Designation.substr(0, TopicKeyWidth), MaxTopics});
        if (sections.insert(q.Section).second && sections.size() > MaxLessons)
            return report(ImportText::TooManyLessons, {q.Line, q.Designation.substr(0, 5), MaxLessons});
        if (count > MaxQuestions)
            return report(ImportText::TooManyQuestions, {q.Line, q.Designation, MaxQuestions});
        return true;
    }
};

enum class SourceRead { Read, Failed, NotAFile, TooLarge };

// Opened without waiting (a pipe would block here) and looked at before a
// byte is read; read to its end within the limit, which a file growing
// meanwhile still meets.
SourceRead readSource(const std::filesystem::path& path, std::string& bytes, int& error) {
    switch (readRegularFile(path, MaxSourceBytes, bytes, error)) {
        case FileOutcome::Done: return SourceRead::Read;
        case FileOutcome::NotRegular: return SourceRead::NotAFile;
        case FileOutcome::TooLarge: return SourceRead::TooLarge;
        default: return SourceRead::Failed;
    }
}

}  // namespace

bool myParseIsedBytes(const std::string& bytes, const std::string& sourceName, ImportedPool& pool,
                      const std::string& origin) {
    const ContentReport report{origin};
    pool = ImportedPool{};
    pool.SourceName = sourceName;
    std::string_view body(bytes);
    const bool byteOrderMark = body.substr(0, 3) == "\xEF\xBB\xBF";
    if (byteOrderMark) body.remove_prefix(3);
    const std::vector<RawLine> lines = splitLines(body);
    if (!chooseEncoding(report, lines, byteOrderMark, pool.Encoding)) return false;

    std::map<std::string, int> seen;  // designation -> line
    int firstLine = 0;
    std::string firstId;
    LimitCheck limits{report, {}, {}};
    for (size_t i = 0; i < lines.size(); ++i) {
        const RawLine& raw = lines[i];
        const std::vector<std::string> fields = splitFields(raw.text, ';');
        const std::string id = trimBlanks(fields[0]);
        int section = 0, topic = 0, number = 0;
        const bool validId = parseId(id, section, topic, number);
        // The first line names the columns ("question_id ;question_english;...")
        // unless it already holds a question.
        if (i == 0 && !validId && fields.size() == IsedFieldCount) continue;
        if (fields.size() != IsedFieldCount)
            return report(ImportText::WrongFieldCount, {raw.number, fields.size()});
        if (!validId)
            return report(ImportText::InvalidId, {raw.number, shown(fields[0], pool.Encoding)});
        if (!isQualificationLetter(id[0]))
            return report(ImportText::NotAQualification, {raw.number, id});
        if (!pool.Qualification) {
            pool.Qualification = id[0];
            firstLine = raw.number;
            firstId = id;
        } else if (id[0] != pool.Qualification) {
            return report(ImportText::OtherQualification, {raw.number, id, firstLine, firstId});
        }
        auto [at, fresh] = seen.emplace(id, raw.number);
        if (!fresh)
            return report(ImportText::DuplicateQuestion, {raw.number, id, at->second});

        ImportedQuestion q;
        q.Designation = id;
        q.Section = section;
        q.Line = raw.number;
        for (int f = 1; f < IsedFieldCount; ++f) {
            std::string& text = q.Text[(f - 1) / 5][(f - 1) % 5];
            TextProblem problem;
            if (!myToBankText(fields[f], pool.Encoding, text, problem))
                return reportText(report, raw.number, f + 1, problem);
            if (text.empty())
                return report(ImportText::EmptyText, {raw.number, f + 1});
        }
        if (!limits.admit(q, static_cast<int>(pool.Questions.size()) + 1, number)) return false;
        pool.Questions.push_back(std::move(q));
    }
    if (pool.Questions.empty())
        return report(ImportText::NoQuestion, {sourceName});
    // Lessons group the questions read after them, so each section's
    // questions must come together; designation order also gives topic order.
    std::sort(pool.Questions.begin(), pool.Questions.end(),
              [](const ImportedQuestion& a, const ImportedQuestion& b) { return a.Designation < b.Designation; });
    return true;
}

bool myReadIsedFile(const std::filesystem::path& path, ImportedPool& pool) {
    std::string bytes;
    int error = 0;
    switch (readSource(path, bytes, error)) {
        case SourceRead::Failed:
            return report(ImportText::OpenFailed, {displayPath(path), error, errorText(error)});
        case SourceRead::NotAFile:
            return report(ImportText::NotAFile, {displayPath(path)});
        case SourceRead::TooLarge:
            return report(ImportText::TooLarge, {displayPath(path)});
        case SourceRead::Read:
            break;
    }
    const std::string fileName = pathBytes(path.filename());
    const std::string name = displayPath(path.filename());
    if (isZipArchive(fileName, bytes)) {
        IsedMember member;
        if (!myReadIsedArchive(bytes, name, member)) return false;
        // The bank names the delimited file, as when it is imported unpacked:
        // the same pool gives the same banks either way.
        const std::string memberName = latin1(member.Name);
        const std::string origin =
            fillMask(importText(ImportText::MemberOfArchive), {memberName, name});
        if (!myParseIsedBytes(member.Bytes, memberName, pool, origin)) return false;
        pool.Edition = yearInName(member.Name);
        if (pool.Edition.empty()) pool.Edition = yearInName(fileName);
        if (pool.Edition.empty() && member.Modified > 0) pool.Edition = yearOf(member.Modified);
        if (pool.Edition.empty()) pool.Edition = importEdition(path);
        return true;
    }
    if (!myParseIsedBytes(bytes, name, pool)) return false;
    pool.Edition = importEdition(path);
    return true;
}

std::string yearInName(const std::string& name) {
    std::string year;
    for (size_t i = 0; i < name.size();) {
        size_t end = i;
        while (end < name.size() && std::isdigit(static_cast<unsigned char>(name[end]))) ++end;
        if (end - i == 4 && (name.compare(i, 2, "19") == 0 || name.compare(i, 2, "20") == 0))
            year = name.substr(i, 4);
        i = end > i ? end : i + 1;
    }
    return year;
}

std::string yearOf(std::time_t when) {
    std::tm local{};
    if (!localTime(when, local)) return "";
    return std::to_string(local.tm_year + 1900);
}

std::string importEdition(const std::filesystem::path& path) {
    const std::string year = yearInName(pathBytes(path.filename()));
    if (!year.empty()) return year;
    std::error_code ec;
    const auto modified = std::filesystem::last_write_time(path, ec);
    if (ec) return "";
    const auto since = std::chrono::file_clock::to_sys(modified);
    return yearOf(std::chrono::system_clock::to_time_t(since));
}
