// File > Import Official Question Bank...: the department's pool, as
// downloaded, becomes the bank in use. The import itself is the bank tool's
// (poolimport.h); the window picks the file, answers the replace question,
// then finds the banks again and reads the imported one as a choice in the
// bank list would.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

#include "examsim/bank/bankmodel.h"
#include "examsim/session/examsession.h"

class QAction;
class QWidget;
struct ImportOutcome;

class ImportCommand : public QObject {
public:
    // window: the parent of the file dialog and the boxes. item: the menu
    // item, greyed while an exam is under way. The banks are found again in
    // programFolder into shelf, the history catalogue of session follows
    // them; then refillLists refills the window's lists, chooseBank(b)
    // reads bank b as the bank list would, and progressChanged lets the
    // progress window follow the bank now loaded.
    ImportCommand(QWidget* window, QAction* item, ExamSession& session, BankModel& bank, BankShelf& shelf,
                  const std::filesystem::path& programFolder, std::function<void()> refillLists,
                  std::function<void(int)> chooseBank, std::function<void()> progressChanged);

    // The menu item follows the exam's stage.
    void syncItem();
    // The command itself: choose, import, show.
    void run();

private:
    void showImportedBank(const ImportOutcome& outcome);

    QWidget* window_;
    QAction* item_;
    ExamSession& session_;
    BankModel& bank_;
    BankShelf& shelf_;
    const std::filesystem::path& programFolder_;
    std::function<void()> refillLists_;
    std::function<void(int)> chooseBank_;
    std::function<void()> progressChanged_;
};
