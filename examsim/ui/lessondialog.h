// The lesson selection dialog: a check box per lesson of the loaded bank,
// the live figures of the pool the ticked lessons give, and the list of
// exam sizes. The decisions are the bank core's (lessonpool.h).
#pragma once

#include <QDialog>
#include <functional>

#include "examsim/bank/bankmodel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

inline constexpr int LessonPoolLabelId = 2036;
inline constexpr int LessonSizeListId = 2002;
inline constexpr int LessonUseButtonId = 2013;
inline constexpr int LessonCancelButtonId = 2014;
inline constexpr int FirstLessonBoxId = 2120;
inline constexpr int FirstLessonCountId = 3001;

class LessonDialog : public QDialog {
    Q_OBJECT
public:
    // owner: the main window, whose top and horizontal scale (percent) place
    // and size the dialog. postReset is called when the main window must be
    // sent its reset of a drawn exam.
    LessonDialog(QWidget* owner, BankModel& model, bool simplified, int widthPercent,
                 std::function<void()> postReset);

    QCheckBox* lessonBox(int position) const;  // 1-based, in LessonIndex order
    QComboBox* sizeList() const { return sizes_; }
    QLabel* poolLabel() const { return pool_; }
    QPushButton* useButton() const { return use_; }
    QPushButton* cancelButton() const { return cancel_; }

    // "Cancel", Escape and the close box.
    void reject() override;

private:
    void showPool();
    void useSelection();
    void finish(bool postReset);

    BankModel& model_;
    std::function<void()> postReset_;
    std::vector<QCheckBox*> boxes_;
    QLabel* pool_ = nullptr;
    QComboBox* sizes_ = nullptr;
    QPushButton* use_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Opens the dialog modally when the bank has lessons (otherwise reports
// why), and returns once it is closed.
void myOpenLessonDialog(QWidget* owner, BankModel& model, bool simplified, int widthPercent,
                        const std::function<void()>& postReset);
