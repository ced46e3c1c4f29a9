// The progress figures as text: the bank tool's report and the
// tab-separated tables the progress window copies to the clipboard.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "examsim/progress/progressfigures.h"

// The cells of one row: id, questions, seen, attempts, success rate, and
// for a lesson its title.
std::vector<std::string> myGroupCells(const GroupFigure& group, bool lesson, int language);
// The column titles of the lesson or the topic table.
std::vector<std::string> myGroupColumns(bool lesson, int language);

// A chance, its point value first: "62.0%, likely between 45% and 78%", or
// with too few answers for a range, the point value and that notice.
std::string myChanceText(const ProgressFigures& figures, const ChanceRange& chance, int language);

// "Chance of passing now: 62.0%, likely between 45% and 78%" and, when the
// pass mark is below 80 %, "Chance of 80% or more: ..." alike.
std::vector<std::string> myChanceLines(const ProgressFigures& figures, int language);

// The next step in plain words: a heading and one line per lesson to
// practise, or one line saying why there is none.
std::vector<std::string> myNextStepLines(const ProgressFigures& figures, int language);

// The whole report, one line per entry (Latin-1, no line ends): title,
// sessions or the no-session notice naming the log, lessons, topics, the
// chances last.
std::vector<std::string> myProgressReport(const ProgressFigures& figures, const std::filesystem::path& logPath,
                                          int language);

// Both tables, heading row first, cells separated by tabs, an empty line
// between the tables.
std::vector<std::string> myProgressTables(const ProgressFigures& figures, int language);
