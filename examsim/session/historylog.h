// The history log "Ulvorane_Log.txt": one record per ended exam, appended
// for good, read back to favour new and missed questions and to restore the
// interface choices of the last session.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examrecord.h"

inline constexpr const char* LogFileName = "Ulvorane_Log.txt";
inline constexpr int CatalogueDepth = 100;   // sessions remembered per bank
inline constexpr int EntriesPerLogLine = 25;
inline constexpr int LogEntryWidth = 14;

// File positions of the last sessions of each discovered bank.
struct CatalogueColumn {
    int16_t Count = 0;
    std::array<long long, CatalogueDepth + 1> Position{};  // 1..Count, oldest first
};

struct HistoryCatalogue {
    std::vector<std::string> Titles;  // 1..count: the banks' 25-character titles
    std::array<CatalogueColumn, MaxBanks + 1> Columns{};
};

// Interface choices found in the settings field of the last summary line.
struct HistorySettings {
    bool Found = false;
    int InterfaceLanguage = 0;
    bool AudibleClues = false;
    bool ManualAdvance = false;
    bool BankFollowsLanguage = false;
};

// True when a qualification read from the log names the given stored title:
// equal over the 25 characters a stored title keeps, never by prefix. Every
// reader of the log that sorts sessions by bank goes through this one rule.
bool mySameQualification(std::string_view recorded, std::string_view storedTitle);
// The first bank (1..) whose stored title the recorded qualification names
// (mySameQualification), 0 if none.
int myFindBankTitle(const std::vector<std::string>& titles, std::string_view recorded);

// Adds a session at the given file position; past 100 the oldest drops out.
void myCatalogueSession(HistoryCatalogue& catalogue, int bank, long long position);

// Pass 0 (catalogue, settings, last qualification) or pass 1 (the
// per-question history of `bank`, for sessions of `qualification` from
// startPosition on). Returns -1 on success, also when the log does not
// exist, and 0 after reporting a failure.
int myReadHistoryFile(const std::filesystem::path& path, int pass, long long startPosition,
                      const std::string& qualification, std::string& lastQualification,
                      HistoryCatalogue& catalogue, HistorySettings& settings, BankModel* bank);

// Pass 1 for the bank at position bankNo of the catalogue, when it holds a
// session; returns -1 when there was nothing to read.
int myReadBankHistory(const std::filesystem::path& path, const HistoryCatalogue& catalogue, int bankNo,
                      BankModel& bank);

// Where the log lives: the program folder, or, when it cannot be created
// there, the place the user picks in a save dialog (cancelled: the bare name).
using SaveDialogPort = std::function<bool(const std::string& title, const std::string& defaultName,
                                          const std::filesystem::path& folder, const std::string& defaultExt,
                                          const std::string& filter, std::filesystem::path& chosen)>;
std::filesystem::path myObtainLoggingLocation(const std::filesystem::path& programFolder,
                                              const SaveDialogPort& saveDialog);

// Pieces of a session record.
std::string myElapsedText(int32_t startSeconds, int32_t nowSeconds);
std::string mySettingsField(int language, const ExamRecord& exam);
std::string mySummaryLine(const ExamRecord& exam, const BankModel& bank, const std::string& elapsed,
                          const std::string& settings);
std::vector<std::string> myQuestionLines(const ExamRecord& exam, const BankModel& bank);

