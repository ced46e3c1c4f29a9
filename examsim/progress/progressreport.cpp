#include "examsim/progress/progressreport.h"

#include <algorithm>

#include "examsim/progress/progresstexts.h"
#include "toolkit/masks.h"
#include "toolkit/paths.h"
#include "toolkit/text.h"

namespace {

const std::string& text(ProgressText id, int language) { return progressTextIn(id, language); }

// Columns as wide as their widest cell, two spaces apart; the id and the
// title to the left, the figures to the right.
void appendTable(std::vector<std::string>& lines, const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            const bool left = c == 0 || c == 5;
            const std::string pad(widths[c] - row[c].size(), ' ');
            if (c > 0) line += "  ";
            line += left ? row[c] + (c + 1 < row.size() ? pad : "") : pad + row[c];
        }
        lines.push_back(trimRightSpaces(line));
    }
}

// The report leaves the lesson titles out: they make lines too long for a terminal.
std::vector<std::vector<std::string>> tableRows(const std::vector<GroupFigure>& groups, bool lesson,
                                                int language, bool titles = true) {
    std::vector<std::vector<std::string>> rows{myGroupColumns(lesson, language)};
    for (const GroupFigure& g : groups) rows.push_back(myGroupCells(g, lesson, language));
    if (!titles)
        for (auto& row : rows) row.resize(std::min<size_t>(row.size(), 5));
    return rows;
}

}  // namespace

std::vector<std::string> myGroupColumns(bool lesson, int language) {
    return splitFields(text(lesson ? ProgressText::LessonColumns : ProgressText::TopicColumns, language), '|');
}

std::vector<std::string> myGroupCells(const GroupFigure& g, bool lesson, int language) {
    std::vector<std::string> cells{g.Id, std::to_string(g.Questions), std::to_string(g.Seen),
                                   std::to_string(g.Attempts),
                                   g.hasRate() ? myPercentText(g.rate()) : text(ProgressText::NoRate, language)};
    if (lesson) cells.push_back(g.Title);
    return cells;
}

std::string myChanceText(const ProgressFigures& f, const ChanceRange& chance, int language) {
    if (f.Model.TooFew)
        return fillMask(text(ProgressText::TooFewAnswers, language),
                        {myPercentText(chance.Point), FewestAnswersForRange});
    const auto whole = [](double fraction) { return static_cast<int>(roundHalfEven(fraction * 100.0)); };
    return fillMask(text(ProgressText::ChanceRange, language),
                    {myPercentText(chance.Point), whole(chance.Low), whole(chance.High)});
}

std::vector<std::string> myChanceLines(const ProgressFigures& f, int language) {
    std::vector<std::string> lines{
        fillMask(text(ProgressText::PassChance, language), {myChanceText(f, f.Model.Pass, language)})};
    if (f.HonoursShown)
        lines.push_back(
            fillMask(text(ProgressText::HonoursChance, language), {myChanceText(f, f.Model.Honours, language)}));
    return lines;
}

std::vector<std::string> myNextStepLines(const ProgressFigures& f, int language) {
    if (f.Lessons.empty()) return {text(ProgressText::NextStepNoLessons, language)};
    if (f.NextLessons.empty()) return {text(ProgressText::NextStepNone, language)};
    std::vector<std::string> lines{text(ProgressText::NextStepHeading, language)};
    for (const GroupFigure& g : f.NextLessons)
        lines.push_back(g.hasRate() ? fillMask(text(ProgressText::NextLesson, language),
                                               {g.Id, g.Title, myPercentText(g.rate())})
                                    : fillMask(text(ProgressText::NextLessonUntried, language),
                                               {g.Id, g.Title}));
    return lines;
}

std::vector<std::string> myProgressReport(const ProgressFigures& f, const std::filesystem::path& logPath, int language) {
    std::vector<std::string> lines{fillMask(text(ProgressText::ReportTitle, language), {f.Title})};
    if (f.Sessions.empty()) {
        lines.push_back(fillMask(text(ProgressText::NoSession, language), {displayPath(logPath)}));
    } else {
        lines.push_back(fillMask(text(ProgressText::SessionsLine, language),
                                 {static_cast<int>(f.Sessions.size()), f.Sessions.front().Date,
                                  f.Sessions.back().Date}));
    }
    lines.push_back(text(ProgressText::LessonsHeading, language));
    if (f.Lessons.empty())
        lines.push_back(text(ProgressText::NoLessons, language));
    else
        appendTable(lines, tableRows(f.Lessons, true, language, false));
    lines.push_back(text(ProgressText::TopicsHeading, language));
    appendTable(lines, tableRows(f.Topics, false, language));
    for (std::string& line : myChanceLines(f, language)) lines.push_back(std::move(line));
    return lines;
}

std::vector<std::string> myProgressTables(const ProgressFigures& f, int language) {
    std::vector<std::string> lines;
    auto add = [&](const std::vector<GroupFigure>& groups, bool lesson) {
        for (const auto& row : tableRows(groups, lesson, language)) {
            std::string line;
            for (size_t c = 0; c < row.size(); ++c) line += (c ? "\t" : "") + row[c];
            lines.push_back(std::move(line));
        }
    };
    add(f.Lessons, true);
    lines.emplace_back();
    add(f.Topics, false);
    return lines;
}
