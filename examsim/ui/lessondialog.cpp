#include "examsim/ui/lessondialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "examsim/bank/lessonpool.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/tooltips.h"
#include "toolkit/uicontext.h"

namespace {
// A lesson's fixed-column row reads as a table only in a fixed-pitch font.
QFont rowFont(const QFont& base) {
    QFont font(QStringLiteral("Monospace"), base.pointSize());
    font.setStyleHint(QFont::TypeWriter);
    return font;
}
}  // namespace

LessonDialog::LessonDialog(QWidget* owner, BankModel& model, bool simplified, int widthPercent,
                           std::function<void()> postReset)
    : QDialog(owner), model_(model), postReset_(std::move(postReset)) {
    setWindowTitle(toQString(uiContext().ProgramName + otherText(9)));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    const DialogUnits dlu = dialogUnits(this);
    const int width = 420 * 100 / std::max(widthPercent, 1);
    const int height = 12 * (model.LessonCount - 1) + 64;
    resize(dlu.toPixelsX(width), dlu.toPixelsY(height));

    for (int i = 1; i <= model.LessonCount; ++i) {
        const int lesson = model.LessonIndex[i];
        const int y = 2 + 12 * (i - 1);
        auto* box = new QCheckBox(toQString(lessonRowText(model, lesson, simplified)), this);
        setControlId(box, FirstLessonBoxId + i - 1);
        box->setGeometry(dlu.toPixels(QRect(2, y, width - 6 - (simplified ? 0 : 60), 10)));
        box->setChecked(model.Lessons[lesson].LessonSelected != 0);
        if (!simplified) box->setFont(rowFont(font()));
        connect(box, &QCheckBox::clicked, this, [this, i](bool ticked) {
            myToggleLesson(model_, i, ticked);
            showPool();
            // The pool and the exam size change away from the box that has
            // the keyboard: they are said after the box's new state.
            announce(this, sizes_->currentText());
        });
        boxes_.push_back(box);
        if (!simplified) {
            auto* count = new QLabel(toQString(lessonCountText(model, lesson)), this);
            setControlId(count, FirstLessonCountId + i - 1);
            count->setGeometry(dlu.toPixels(QRect(width - 62, y, 60, 10)));
        }
    }

    pool_ = new QLabel(this);
    setControlId(pool_, LessonPoolLabelId);
    pool_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pool_->setGeometry(dlu.toPixels(QRect(30, height - 50, 280, 12)));
    sizes_ = new QComboBox(this);
    setControlId(sizes_, LessonSizeListId);
    sizes_->setGeometry(dlu.toPixels(QRect(30, height - 34, 260, 12)));
    sizes_->setMaxVisibleItems(16);
    use_ = new QPushButton(toQString(caption(LessonUseButtonId)), this);
    setControlId(use_, LessonUseButtonId);
    use_->setGeometry(dlu.toPixels(QRect(width / 2 - 70, height - 18, 120, 14)));
    use_->setAutoDefault(false);
    cancel_ = new QPushButton(toQString(caption(LessonCancelButtonId)), this);
    setControlId(cancel_, LessonCancelButtonId);
    cancel_->setGeometry(dlu.toPixels(QRect(width - 90, height - 18, 80, 14)));
    cancel_->setAutoDefault(false);
    connect(use_, &QPushButton::clicked, this, [this] { useSelection(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });

    showPool();
    const int chosen = static_cast<unsigned char>(model.LessonChoice[0]);
    if (chosen >= 1 && chosen <= sizes_->count()) sizes_->setCurrentIndex(chosen - 1);

    // Centred over the main window, level with its top; on a screen too
    // small for the rows (large fonts) they scroll inside the work area.
    QRect area;
    const bool haveArea = myGetWorkArea(myMonitorFromWindow(owner, MonitorDefaultToNearest), area) != 0;
    if (haveArea) myScrollIntoWorkArea(this, area);
    if (owner) {
        const QRect o = owner->frameGeometry();
        move(o.x() + (o.width() - this->width()) / 2, o.y());
    }
    if (haveArea) myKeepInsideWorkArea(this, area);
    for (QWidget* w : findChildren<QWidget*>()) {
        const std::string tip = examToolTips().tip(controlId(w), uiContext().InterfaceLanguage);
        if (!tip.empty()) w->setAccessibleDescription(toQLines(tip));
    }
    installAnnouncer(this);
    if (!boxes_.empty()) boxes_.front()->setFocus();
    myAddToolTips(this, examToolTips());
}

QCheckBox* LessonDialog::lessonBox(int position) const {
    return position >= 1 && position <= static_cast<int>(boxes_.size()) ? boxes_[position - 1] : nullptr;
}

void LessonDialog::showPool() {
    const PoolFigures pool = myPoolFigures(model_);
    pool_->setText(toQString(poolLabelText(pool)));
    sizes_->clear();
    for (const std::string& item : sizeListTexts(pool)) sizes_->addItem(toQString(item));
    sizes_->setCurrentIndex(sizes_->count() - 1);
}

void LessonDialog::useSelection() {
    std::vector<std::string> items;
    for (int i = 0; i < sizes_->count(); ++i) items.push_back(fromQString(sizes_->itemText(i)));
    const LessonOutcome outcome = myUseLessonSelection(model_, items, fromQString(sizes_->currentText()));
    if (outcome.closeDialog) finish(outcome.postReset);
}

void LessonDialog::reject() {
    finish(myCancelLessonSelection(model_).postReset);
}

void LessonDialog::finish(bool postReset) {
    if (postReset && postReset_) postReset_();
    QDialog::done(postReset ? Accepted : Rejected);
}

void myOpenLessonDialog(QWidget* owner, BankModel& model, bool simplified, int widthPercent,
                        const std::function<void()>& postReset) {
    if (!lessonDialogMayOpen(model)) return;
    LessonDialog dialog(owner, model, simplified, widthPercent, postReset);
    ModalRequest request;
    request.Kind = ModalKind::Dialog;
    request.Owner = owner;
    request.Dialog = &dialog;
    request.Title = fromQString(dialog.windowTitle());
    runModal(request);
}
