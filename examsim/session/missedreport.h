// The missed-questions report written at the end of each exam, and the
// stamps fixed at the exam's first answer that name it.
#pragma once

#include <filesystem>
#include <string>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"
#include "examsim/session/examview.h"

// "2014/04/25 14:30"
std::string mySessionStamp(const LocalMoment& moment);
// "Missed_2014-04-25_h14-m30.txt" ("Erronées_..." in French).
std::string myMissedReportName(const LocalMoment& moment, int language);
// The name itself when no such file is in the folder yet, otherwise the
// first of name_2.txt, name_3.txt ... that is free: a report is never
// written over an earlier one. Nothing is created here: the report is
// written whole later (myLogSession), taking its name only while it is
// still free, and asking here again for the next free one otherwise, so
// that two programs ending an exam in the same minute keep both reports.
std::string myUniqueReportName(const std::filesystem::path& folder, const std::string& name);

// The whole report, lines ending with CR LF.
std::string myMissedReport(const ExamRecord& exam, const BankModel& bank, const std::string& summaryLine,
                           int language);
