// The progress window (Tools > Progress...): the marks of every session of
// the loaded bank as a chart with the pass mark, the lesson and topic
// tables weakest first, and the chances of passing now. Modeless: it stays
// up while exams go on and is read again when one is logged.
#pragma once

#include <QDialog>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "examsim/bank/bankmodel.h"
#include "examsim/progress/progressfigures.h"

class ProgressChartWidget;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QVBoxLayout;

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    // bank and logPath stay the caller's and are read again at each refresh.
    // simplified: the chances and the weakest lessons come first, for
    // screen-reader users.
    ProgressWindow(const BankModel& bank, const std::filesystem::path& logPath, bool simplified, QWidget* owner);

    // Reads the log again for the bank now loaded.
    void refresh();
    // Texts of the interface language now in force, from the figures kept.
    void applyLanguage();
    // Focus where the window's reading begins: under /S the first control
    // after the chances and the next step ("Practise these lessons"), else
    // the chart; the notice when there is no session.
    void focusFirst();
    // The tables as the copy button puts them on the clipboard.
    QString tablesText() const;

    const ProgressFigures& figures() const { return figures_; }
    ProgressChartWidget* chartView() const { return chartView_; }
    QTableView* lessonTable() const { return lessonTable_; }
    QTableView* topicTable() const { return topicTable_; }
    QLabel* passChanceLabel() const { return passChance_; }
    QLabel* honoursChanceLabel() const { return honoursChance_; }
    QLabel* emptyStateLabel() const { return emptyState_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* closeButton() const { return close_; }
    QLabel* nextStepLabel() const { return nextStep_; }
    QPushButton* practiseButton() const { return practise_; }

signals:
    // "Practise these lessons": the window has closed; the owner restricts
    // the selection to these lessons (their places in the bank) and
    // launches an exam.
    void practiseRequested(const std::vector<int>& lessons);
    // "Full exam": the window has closed; the owner lifts the lesson
    // restriction and launches an exam of the whole bank.
    void fullExamRequested();

private:
    void buildChart();
    void fillTable(QStandardItemModel* model, const std::vector<GroupFigure>& groups, bool lesson);
    void fillChart();
    void showState();
    void copyTables();
    void practise();
    void fitScreen();

    const BankModel& bank_;
    std::filesystem::path logPath_;
    bool simplified_;
    ProgressFigures figures_;

    QLabel* sessions_ = nullptr;
    QLabel* emptyState_ = nullptr;
    QWidget* chances_ = nullptr;
    QLabel* passChance_ = nullptr;
    QLabel* honoursChance_ = nullptr;
    QLabel* chancesHow_ = nullptr;
    ProgressChartWidget* chartView_ = nullptr;
    QLabel* lessonCaption_ = nullptr;
    QLabel* topicCaption_ = nullptr;
    QTableView* lessonTable_ = nullptr;
    QTableView* topicTable_ = nullptr;
    QStandardItemModel* lessonModel_ = nullptr;
    QStandardItemModel* topicModel_ = nullptr;
    QSortFilterProxyModel* lessonSort_ = nullptr;
    QSortFilterProxyModel* topicSort_ = nullptr;
    QLabel* nextStep_ = nullptr;
    QPushButton* practise_ = nullptr;
    QPushButton* fullExam_ = nullptr;
    QLabel* notice_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* close_ = nullptr;
};

// Tools > Progress...: opens the window for the loaded bank, or reads the
// open one again and brings it forward.
ProgressWindow* openProgressWindow(QPointer<ProgressWindow>& current, const BankModel& bank,
                                   const std::filesystem::path& logPath, bool simplified, QWidget* owner);

