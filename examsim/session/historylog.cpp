#include "examsim/session/historylog.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

#include "examsim/session/historyscan.h"
#include "examsim/session/sessiontexts.h"
#include "toolkit/errorbox.h"
#include "toolkit/filefinder.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"

namespace {

void reportReadFailure(const std::filesystem::path& path, int error, const std::string& text) {
    myErrorBox(fillMask(sessionText(SessionText::HistoryReadFailed), {displayPath(path), CRLF, error, text}));
}

}  // namespace

int myFindBankTitle(const std::vector<std::string>& titles, std::string_view recorded) {
    for (size_t b = 1; b < titles.size(); ++b)
        if (mySameQualification(recorded, titles[b])) return static_cast<int>(b);
    return 0;
}

bool mySameQualification(std::string_view recorded, std::string_view storedTitle) {
    return mySameBankTitle(recorded, storedTitle);
}

void myCatalogueSession(HistoryCatalogue& catalogue, int bank, long long position) {
    if (bank < 1 || bank > MaxBanks) return;
    CatalogueColumn& column = catalogue.Columns[bank];
    if (column.Count < CatalogueDepth) {
        column.Position[++column.Count] = position;
    } else {
        std::move(column.Position.begin() + 2, column.Position.end(), column.Position.begin() + 1);
        column.Position[CatalogueDepth] = position;
    }
}

int myReadHistoryFile(const std::filesystem::path& path, int pass, long long startPosition,
                      const std::string& qualification, std::string& lastQualification,
                      HistoryCatalogue& catalogue, HistorySettings& settings, BankModel* bank) {
    LineReader reader;
    if (!reader.open(path, LineFileLimit)) {
        if (reader.outcome() == FileOutcome::Missing) return -1;
        reportReadFailure(path, reader.error(), reader.failureText());
        return 0;
    }
    if (startPosition > 0 && !reader.seek(startPosition)) {
        reportReadFailure(path, reader.error(), errorText(reader.error()));
        return 0;
    }

    // Pass 1 counts into a compact table first and adds it to the slots at the end.
    std::optional<LogDesignationIndex> designations;
    std::vector<std::array<int32_t, 2>> counts;
    if (pass == 1 && bank) {
        designations.emplace(*bank);
        counts.resize(bank->QuestionCount + 1);
    }

    const bool readWhole = walkHistoryLog(
        reader, designations ? &*designations : nullptr,
        [&](std::string_view line, long long at) {
            if (pass != 0) return mySameQualification(logField(line, 2), qualification);
            std::string_view title = trimSpacesView(logField(line, 2));
            lastQualification.assign(title);
            int b = myFindBankTitle(catalogue.Titles, title);
            if (b > 0) myCatalogueSession(catalogue, b, at);
            bool present = false;
            std::string_view field = logField(line, 13, &present);
            if (present) {
                settings.Found = true;
                settings.InterfaceLanguage = field.find('F') != std::string_view::npos ? 1 : 0;
                settings.AudibleClues = field.find('A') != std::string_view::npos;
                settings.ManualAdvance = field.find('M') != std::string_view::npos;
                settings.BankFollowsLanguage = field.find('B') != std::string_view::npos;
            }
            return false;
        },
        [&](int question, int expected, int given) { ++counts[question][given == expected ? 1 : 0]; });
    for (size_t q = 1; q < counts.size(); ++q) {
        if (counts[q][0] == 0 && counts[q][1] == 0) continue;
        auto& stats = slotOf(*bank, static_cast<int>(q)).Stats;
        for (int k = 0; k < 2; ++k)
            stats[k] = static_cast<int16_t>(std::min<int32_t>(INT16_MAX, stats[k] + counts[q][k]));
    }
    if (!readWhole) {
        reportReadFailure(path, reader.error(), errorText(reader.error()));
        return 0;
    }
    return -1;
}

int myReadBankHistory(const std::filesystem::path& path, const HistoryCatalogue& catalogue, int bankNo,
                      BankModel& bank) {
    if (bankNo < 1 || bankNo >= static_cast<int>(catalogue.Titles.size())) return -1;
    const CatalogueColumn& column = catalogue.Columns[bankNo];
    if (column.Count == 0) return -1;
    std::string last;
    HistoryCatalogue unused;
    HistorySettings ignored;
    return myReadHistoryFile(path, 1, column.Position[1], catalogue.Titles[bankNo], last, unused,
                             ignored, &bank);
}

std::filesystem::path myObtainLoggingLocation(const std::filesystem::path& programFolder,
                                              const SaveDialogPort& saveDialog) {
    std::filesystem::path path = programFolder / LogFileName;
    // Opened for appending as the log will be, created when missing, with
    // nothing added: a FIFO or a device at the name is refused at once.
    std::uint64_t end = 0;
    int error = 0;
    const FileOutcome tried = appendUnderLock(path, "", end, error);
    if (tried == FileOutcome::Done) return path;
    if (error == 0) error = outcomeError(tried);
    myErrorBox(fillMask(sessionText(SessionText::LogLocationFailed), {error, fileErrorText(tried, error, NoSizeLimit)}));
    std::filesystem::path chosen;
    if (saveDialog && saveDialog(sessionText(SessionText::LogDialogTitle), LogFileName, programFolder,
                                 "txt", sessionText(SessionText::LogDialogFilter), chosen) &&
        !chosen.empty())
        return chosen;
    return LogFileName;
}

std::string myElapsedText(int32_t startSeconds, int32_t nowSeconds) {
    int32_t seconds = nowSeconds - startSeconds;
    if (seconds < 0) seconds += 86400;
    int32_t hours = seconds / 3600;
    int32_t rest = seconds % 3600;
    return formatNumber(hours, "00") + ":" + formatNumber(rest / 60, "00") + ":" +
           formatNumber(rest % 60, "00");
}

std::string mySettingsField(int language, const ExamRecord& exam) {
    std::string field = language == 1 ? "F" : "E";
    field += std::to_string(exam.SelectionCriterion);
    if (exam.AudibleClues) field += 'A';
    if (exam.ManualAdvance) field += 'M';
    if (exam.BankFollowsLanguage) field += 'B';
    return field;
}

std::string mySummaryLine(const ExamRecord& exam, const BankModel& bank, const std::string& elapsed,
                          const std::string& settings) {
    int size = std::clamp(exam.ExamSize, 0, MaxExamSize);
    auto count = [&](const std::string& field, char c) {
        return static_cast<int>(std::count(field.begin(), field.begin() + size, c));
    };
    return fillMask(
        "~ & ~ & ~ & ~###=unans ~ ### Qstns ~ ##=Mode ~ ##=Stage ~###=ok~###=wrg~###=dk~ Elapsed & ~ & ~",
        {bank.CurrentBankTitle, exam.SessionStamp, exam.MarkText, count(exam.MarkResults, '0'),
         exam.ExamSize, exam.MarkingMode, exam.ExamStage, count(exam.MarkResults, '1'),
         count(exam.MarkResults, '2'), count(exam.GivenAnswers, '5'), elapsed, settings});
}

std::vector<std::string> myQuestionLines(const ExamRecord& exam, const BankModel& bank) {
    std::vector<std::string> lines;
    int size = std::clamp(exam.ExamSize, 0, MaxExamSize);
    std::string line;
    for (int p = 1; p <= size; ++p) {
        int q = exam.ExamOrder[p];
        int expected = static_cast<int>(leadingNumber(bank.ExpectedAnswer[q]));
        char given = exam.given(p);
        int givenNo = given >= '1' && given <= '5' ? given - '0' : 0;
        line += fixedWidth(bank.Designation[q], DesignationWidth);
        line += static_cast<char>('a' + 6 * (std::clamp(expected, 1, 4) - 1) + givenNo);
        if (p % EntriesPerLogLine == 0) lines.push_back(std::move(line)), line.clear();
    }
    if (!line.empty()) {
        while (line.size() < EntriesPerLogLine * LogEntryWidth) line += std::string(13, '.') + "S";
        lines.push_back(std::move(line));
    }
    return lines;
}
