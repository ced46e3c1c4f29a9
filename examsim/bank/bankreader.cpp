#include "examsim/bank/bankreader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "examsim/bank/bankports.h"
#include "examsim/bank/banktext.h"
#include "examsim/bank/banktexts.h"
#include "examsim/bank/designation.h"
#include "toolkit/errorbox.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {

std::string first30(std::string_view line) { return std::string(line.substr(0, 30)); }


// Most banks are plain ASCII: tell so eight bytes at a time rather than
// decoding every byte as UTF-8.
bool allAscii(std::string_view bytes) {
    constexpr uint64_t highBits = 0x8080808080808080ULL;
    size_t at = 0;
    for (; at + 64 <= bytes.size(); at += 64) {
        uint64_t any = 0;
        for (size_t k = 0; k < 64; k += 8) {
            uint64_t word;
            std::memcpy(&word, bytes.data() + at + k, sizeof word);
            any |= word;
        }
        if (any & highBits) return false;
    }
    for (; at < bytes.size(); ++at)
        if (static_cast<unsigned char>(bytes[at]) >= 0x80) return false;
    return true;
}

// The first `c` in line[from, to): the fields of a question record lie
// within its first columns, too close for a library search to pay off.
size_t findWithin(std::string_view line, char c, size_t from, size_t to) {
    to = std::min(to, line.size());
    for (size_t i = from; i < to; ++i)
        if (line[i] == c) return i;
    return std::string_view::npos;
}

// Assigning by resize and copy keeps the string's buffer from the last read
// and skips the general overlap handling of assign().
void copyInto(std::string& to, std::string_view from) {
    to.resize(from.size());
    if (!from.empty()) std::memcpy(to.data(), from.data(), from.size());
}

// The first parenthesis of either kind at or after `from`.
size_t findParenthesis(std::string_view line, size_t from) {
    for (size_t i = from; i < line.size(); ++i)
        if (line[i] == '(' || line[i] == ')') return i;
    return std::string_view::npos;
}

bool sameBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

struct QuestionFields {
    std::string_view designation;  // as written, not yet normalised
    char expected = '1';           // "1".."4" whatever the labels
    std::string_view text;
};

// Cuts a question record into its fields without copying it; false after
// reporting what is wrong with it.
bool parseQuestionRecord(const BankModel& model, std::string_view line, QuestionFields& fields) {
    size_t space = findWithin(line, ' ', 6, 14);
    if (space == std::string_view::npos || space < 7 || space > 13) {
        myErrorBox(fillMask(bankMessage(MsgBadDesignation), {first30(line)}));
        return false;
    }
    size_t open = findWithin(line, '(', space + 1, 15);
    if (open == std::string_view::npos || open < 8 || open > 14) {
        myErrorBox(fillMask(bankMessage(MsgAnswerMisplaced), {first30(line)}));
        return false;
    }
    // The expected answer is the second field of the line cut at every
    // parenthesis, whichever kind comes first.
    size_t cut1 = findParenthesis(line, 0);
    size_t cut2 = findParenthesis(line, cut1 + 1);
    std::string_view answer = trimSpacesView(cut2 == std::string_view::npos ? line.substr(cut1 + 1)
                                                                            : line.substr(cut1 + 1, cut2 - cut1 - 1));
    if (answer.size() != 1) {
        myErrorBox(fillMask(bankMessage(MsgAnswerTooLong), {first30(line)}));
        return false;
    }
    const unsigned char c = static_cast<unsigned char>(answer[0]);
    const unsigned char low = static_cast<unsigned char>(model.AnswerLabels[1].AnswerLetter[0]);
    const unsigned char high = static_cast<unsigned char>(model.AnswerLabels[AnswersPerQuestion].AnswerLetter[0]);
    if (c < low || c > high) {
        myErrorBox(fillMask(bankMessage(MsgAnswerUnacceptable), {first30(line)}));
        return false;
    }
    fields.designation = line.substr(0, space);
    fields.expected = static_cast<char>(c - low + '1');
    size_t close = findWithin(line, ')', open, line.size());
    fields.text = close == std::string_view::npos ? std::string_view() : trimSpacesView(line.substr(close + 1));
    return true;
}

void setLessonMenuCheck(BankModel& model, bool checked) {
    model.LessonMenuChecked = checked;
    if (bankPorts().lessonMenuCheck) bankPorts().lessonMenuCheck(checked);
}

struct WaitCursor {
    WaitCursor() {
        if (bankPorts().beginWait) bankPorts().beginWait();
    }
    ~WaitCursor() {
        if (bankPorts().endWait) bankPorts().endWait();
    }
};

// Splits file bytes into lines: LF ends a line, a CR before it is dropped,
// the last line counts without a line end.
template <class F>
void forEachLine(std::string_view bytes, F&& handle) {
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r' && end < bytes.size()) line.remove_suffix(1);
        if (!handle(line)) return;
        start = next;
    }
}

enum class Kind { Comment, Answer, Question, Explanation, Lesson, Header, Unknown };

Kind classify(const BankModel& model, std::string_view line, int& answerNo) {
    if (line.empty() || line[0] == '\'') return Kind::Comment;
    const size_t width = model.AnswerLabels[1].AnswerPrefix.size();
    std::string_view head = line.substr(0, width);
    for (int k = 1; k <= AnswersPerQuestion; ++k) {
        if (sameBytes(head, model.AnswerLabels[k].AnswerPrefix)) {
            answerNo = k;
            return Kind::Answer;
        }
    }
    std::string_view first12 = line.substr(0, 12);
    if (std::count(first12.begin(), first12.end(), '-') == 3) return Kind::Question;
    switch (line[0]) {
        case '>': return Kind::Explanation;
        case '{': return Kind::Lesson;
        case '^': return Kind::Header;
        default: return Kind::Unknown;
    }
}

void updateReadStats(BankModel& model, int k, size_t size) {
    ReadStat& stat = model.ReadStats[k];
    ++stat.Count;
    if (static_cast<int32_t>(size) > stat.LongestSize) {
        stat.LongestSize = static_cast<int32_t>(size);
        stat.LongestAt = model.Designation[model.QuestionCount];
    }
}

void applyHeader(BankModel& model, const std::vector<std::string>& fields) {
    auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    model.CurrentBankTitle = trimSpaces(field(1));
    long long expected = leadingNumber(trimSpaces(field(2)));
    if (expected >= 1 && expected <= 100) model.QuestionsExpected = static_cast<int32_t>(expected);
    long long passMark = leadingNumber(trimSpaces(field(3)));
    if (passMark >= 50 && passMark <= 100) model.PassMarkPercent = static_cast<int32_t>(passMark);
    std::string pattern = trimLeftSpaces(field(4));
    if (!pattern.empty()) mySetAnswerLabels(pattern, model.AnswerLabels, AnswerLabelCount);
}

// A bank saved by a modern editor comes as UTF-8, with or without a
// byte-order mark; the program's texts are Latin-1. Its typographic quotes,
// dashes and spaces are spelt as the import spells them; a character with
// no spelling stops the read with its line rather than turning into "?".
bool toLatin1IfUtf8(std::string& bytes) {
    if (allAscii(bytes) || !looksLikeUtf8(bytes)) return true;
    std::string text;
    TextProblem problem;
    size_t offset = 0;
    if (myUtf8ToLatin1(bytes, text, problem, offset)) {
        bytes = std::move(text);
        return true;
    }
    const std::string_view before = std::string_view(bytes).substr(0, offset);
    const int lineNo = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    const size_t start = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    std::string_view line = std::string_view(bytes).substr(start);
    line = line.substr(0, line.find_first_of("\r\n"));
    myErrorBox(fillMask(bankMessage(MsgCharacterRefused),
                        {codePointName(problem.codePoint), lineNo, CRLF, first30(latin1(line))}));
    return false;
}

// Reads lines until the end, an error, or (header pass) the header record.
int readRecords(BankModel& model, std::string_view bytes, int mode, std::string& headerTitle) {
    int lineNo = 0;
    int answerCount = 0;
    int lesson = 0;
    int result = 1;
    // Kept across records: short strings that never reach the heap, and
    // the topics this read opened.
    QuestionFields fields;
    std::string designation, topicKey, numberKey;
    TopicIndex topics;
    forEachLine(bytes, [&](std::string_view raw) {
        ++lineNo;
        std::string_view line = trimRecordLine(raw);
        int answerNo = 0;
        switch (classify(model, line, answerNo)) {
            case Kind::Comment:
                return true;
            case Kind::Answer:
                copyInto(model.Answers[model.QuestionCount][answerNo], line);
                ++answerCount;
                updateReadStats(model, 1, line.size());
                return true;
            case Kind::Question: {
                if (answerCount != 0 && answerCount != AnswersPerQuestion) {
                    myErrorBox(fillMask(bankMessage(MsgAnswersMissing), {first30(line), CRLF}));
                    result = 0;
                    return false;
                }
                answerCount = 0;
                if (!parseQuestionRecord(model, line, fields)) {
                    result = 0;
                    return false;
                }
                designation.assign(fields.designation);
                if (!myParseQuestionNo(designation, topicKey, numberKey)) {
                    result = 0;
                    return false;
                }
                if (model.QuestionCount + 1 > MaxQuestions) {
                    myErrorBox(fillMask(bankMessage(MsgTooManyQuestions), {first30(line), CRLF, MaxQuestions}));
                    result = 0;
                    return false;
                }
                ++model.QuestionCount;
                int32_t topicNo = 0, slotNo = 0;
                if (!myRegisterQuestion(model, topicKey, numberKey, model.QuestionCount,
                                        static_cast<uint8_t>(lesson), topicNo, slotNo, topics)) {
                    --model.QuestionCount;
                    result = 0;
                    return false;
                }
                const int q = model.QuestionCount;
                std::string& fixedDesignation = model.Designation[q];
                fixedDesignation.assign(designation, 0, DesignationWidth);
                fixedDesignation.resize(DesignationWidth, ' ');
                model.ExpectedAnswer[q].assign(1, fields.expected);
                copyInto(model.QuestionText[q], fields.text);
                model.QuestionRef[q] = topicNo * 16 + slotNo;
                ++model.Lessons[model.LessonCount].LessonQuestionCount;
                model.Explanation[q].clear();
                updateReadStats(model, 0, line.size());
                return true;
            }
            case Kind::Explanation:
                copyInto(model.Explanation[model.QuestionCount], trimLeftSpacesView(line.substr(1)));
                updateReadStats(model, 2, line.size());
                return true;
            case Kind::Lesson: {
                // "{id}title": the identifier ends at the next brace of either kind.
                std::string_view rest = line.substr(1);
                size_t close = rest.find_first_of("{}");
                std::string id(rest.substr(0, close));
                std::string title;
                if (close != std::string_view::npos) {
                    std::string_view after = rest.substr(close + 1);
                    title = trimLeftSpaces(after.substr(0, after.find_first_of("{}")));
                }
                if (model.LessonCount >= MaxLessons) {
                    myErrorBox(fillMask(bankMessage(MsgTooManyLessons), {id, CRLF, MaxLessons}));
                    result = 0;
                    return false;
                }
                const int l = ++model.LessonCount;
                model.Lessons[l].LessonId = fixedWidth(id, LessonIdWidth);
                model.Lessons[l].LessonTitle = fixedWidth(title, LessonTitleWidth);
                model.Lessons[l].LessonQuestionCount = 0;
                model.LessonIndex[l] = l;
                lesson = l;
                return true;
            }
            case Kind::Header: {
                std::vector<std::string> fields = splitFields(line, '^');
                if (mode == HeaderPass) {
                    headerTitle = trimSpaces(fields.size() > 1 ? fields[1] : std::string());
                    return false;
                }
                applyHeader(model, fields);
                return true;
            }
            case Kind::Unknown:
                myErrorBox(fillMask(bankMessage(MsgUnknownRecord), {lineNo, CRLF, first30(line)}));
                result = 0;
                return false;
        }
        return true;
    });
    return result;
}

}  // namespace

std::string myGetPathPart(const std::string& path, const std::string& part) {
    size_t cut = path.find_last_of("\\/");
    if (part == "N") return trimSpaces(cut == std::string::npos ? path : path.substr(cut + 1));
    if (part == "P") return trimSpaces(cut == std::string::npos ? std::string() : path.substr(0, cut + 1));
    return trimSpaces(path);
}

bool myParseQuestionRecord(const BankModel& model, const std::string& line, std::string& designation,
                           std::string& expectedAnswer, std::string& questionText) {
    QuestionFields fields;
    if (!parseQuestionRecord(model, line, fields)) return false;
    designation.assign(fields.designation);
    expectedAnswer.assign(1, fields.expected);
    questionText.assign(fields.text);
    return true;
}

std::string bankStatisticsText(const BankModel& model, const std::filesystem::path& path, bool simplified) {
    const auto& st = model.ReadStats;
    const std::string shown = displayPath(path);
    std::string text = fillMask(
        bankOtherText(OtherBankRead),
        {myGetPathPart(shown, "N"), CRLF, myGetPathPart(shown, "P"), CRLF, CRLF, st[0].Count, CRLF});
    if (simplified) return text;
    text += fillMask(
        bankOtherText(OtherBankFigures),
        {st[1].Count, st[0].Count, " " + std::to_string(st[0].Count * 4), CRLF, st[2].Count, CRLF, CRLF,
         fixedWidth(st[0].LongestAt, DesignationWidth), st[0].LongestSize, CRLF,
         fixedWidth(st[1].LongestAt, DesignationWidth), st[1].LongestSize, CRLF,
         fixedWidth(st[2].LongestAt, DesignationWidth), st[2].LongestSize});
    return text;
}

std::string missingExplanationsText(const BankModel& model) {
    const auto& st = model.ReadStats;
    if (st[2].Count < 1 || st[0].Count <= st[2].Count) return {};
    std::string text = bankMessage(MsgMissingExplanations);
    text += CRLF;
    int listed = 0;
    for (int q = 1; q <= model.QuestionCount && listed < 12; ++q) {
        if (!model.Explanation[q].empty()) continue;
        text += CRLF;
        text += model.Designation[q];
        ++listed;
    }
    return text;
}

int myReadQuestionBank(BankModel& model, const std::filesystem::path& path, int mode, std::string& headerTitle) {
    myShowStatus(bankOtherText(OtherReadingBank) + displayPath(path));
    WaitCursor wait;

    // The header pass only learns the title: records before the header go
    // into a scratch model, so that banks without a header record (read to
    // their end) neither pile up in nor collide within the loaded bank.
    std::unique_ptr<BankModel> scratch;
    if (mode == HeaderPass) scratch = std::make_unique<BankModel>();
    BankModel& target = mode == HeaderPass ? *scratch : model;
    if (mode == HeaderPass) {
        headerTitle.clear();
    } else {
        clearBankModel(target);
        setLessonMenuCheck(target, false);
    }
    resetAnswerLabels(target);

    std::string bytes;
    int error = 0;
    std::string why;
    if (!readFileBytes(path, bytes, error, &why)) {
        myErrorBox(fillMask(bankMessage(MsgBankOpenFailed), {CRLF, error, why, CRLF, displayPath(path)}));
        return 0;
    }
    if (!toLatin1IfUtf8(bytes)) return 0;
    if (readRecords(target, bytes, mode, headerTitle) == 0) return 0;
    myShowStatus("");
    if (mode == FullRead) {
        if (bankPorts().informationBox)
            bankPorts().informationBox(uiContext().ProgramName + " - Info",
                                       bankStatisticsText(target, path, bankPorts().SimplifiedLayout));
        std::string missing = missingExplanationsText(target);
        if (!missing.empty() && bankPorts().plainBox) bankPorts().plainBox(missing);
    }
    return 1;
}
