#include "examsim/ui/secondarywindows.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "examsim/bank/bankdump.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlwidgets.h"
#include "examsim/ui/inputbox.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/readingstart.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

ExplanationWindow::ExplanationWindow(QWidget* owner, const QRect& geometry, const DialogUnits& dlu)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setWindowTitle(QString());
    setGeometry(geometry);

    grabLine_ = new QLabel(this);
    setControlId(grabLine_, ExplanationGrabLineId);
    grabLine_->setGeometry(0, 0, width(), std::max(dlu.toPixelsY(2), 2));
    grabLine_->setAutoFillBackground(true);
    QPalette line = grabLine_->palette();
    line.setColor(QPalette::Window, palette().color(QPalette::Active, QPalette::Highlight));
    grabLine_->setPalette(line);
    // The line is the handle: its presses reach the window, which moves.
    grabLine_->setAttribute(Qt::WA_TransparentForMouseEvents);

    text_ = new QPlainTextEdit(this);
    setControlId(text_, ExplanationTextId);
    text_->setReadOnly(true);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QRect inner = dlu.toPixels(QRect(1, 2, dlu.fromPixelsX(width()) - 2,
                                           dlu.fromPixelsY(height()) - 4));
    text_->setGeometry(inner);
}

void ExplanationWindow::setContent(const QString& text, ExplanationContent content) {
    text_->setPlainText(text);
    setUserSlot(text_, SlotExplanationContent, content);
}

void ExplanationWindow::showHint() {
    setContent(toQLines(otherText(OtherExplanationHint)), ShowsHint);
}

void ExplanationWindow::showExplanation(const std::string& latin1Text) {
    // The official pools explain nothing: an empty box would look broken.
    const bool none = trimSpaces(latin1Text).empty();
    setContent(toQLines(none ? otherText(OtherNoExplanation) : latin1Text), ShowsExplanation);
}

void ExplanationWindow::clear() { setContent(QString(), ShowsNothing); }

ExplanationContent ExplanationWindow::content() const {
    return static_cast<ExplanationContent>(userSlot(text_, SlotExplanationContent));
}

// Every press that is not on the text (the border, the coloured line) is a
// press on the window's caption: the window follows the mouse.
void ExplanationWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
    event->accept();
}

void ExplanationWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return QFrame::mouseMoveEvent(event);
    move(event->globalPosition().toPoint() - grabOffset_);
    event->accept();
}

void ExplanationWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QFrame::mouseReleaseEvent(event);
}

InfoBox::InfoBox(InfoKind kind, const ShrinkFactors& shrink, const DialogUnits& dlu)
    : QDialog(nullptr), kind_(kind) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/ProgIcon")));
    setModal(false);
    setUserSlot(this, SlotInfoKind, static_cast<int>(kind));

    const int widthDlu = scaled(400, shrink.fx());
    const int heightDlu = scaled(kind == InfoKind::Help ? 200 : 160, shrink.fy());
    resize(dlu.toPixelsX(widthDlu), dlu.toPixelsY(heightDlu));

    if (kind == InfoKind::Help) {
        auto* help = new QPlainTextEdit(this);
        help->setReadOnly(true);
        help->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        help->setGeometry(dlu.toPixels(QRect(2, 2, widthDlu - 4, heightDlu - 24)));
        installTextBoxFilter(help);
        text_ = help;
        setControlId(help, HelpTextId);
    } else {
        auto* about = new QLabel(this);
        about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        about->setTextFormat(Qt::PlainText);
        about->setWordWrap(true);
        about->setGeometry(dlu.toPixels(QRect(10, 2, widthDlu - 10, heightDlu - 24)));
        text_ = about;
        setControlId(about, AboutTextId);
    }
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    setControlId(ok_, InfoOkButtonId);
    ok_->setGeometry(dlu.toPixels(QRect((widthDlu - 40) / 2, heightDlu - 18, 40, 14)));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    // However it ends (OK, Escape, the close box, the main window closing),
    // the box is gone and its entry in the main window's table clears.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    applyLanguage();
}

void InfoBox::applyLanguage() {
    const int k = static_cast<int>(kind_);
    setWindowTitle(toQString(uiContext().ProgramName + captionField(otherText(OtherTitleHelpAbout), k)));
    const QString text = toQLines(longText(k));
    if (auto* help = qobject_cast<QPlainTextEdit*>(text_)) {
        help->setPlainText(text);
        caretOnFirstText(help);
    }
    else if (auto* about = qobject_cast<QLabel*>(text_))
        about->setText(text);
}

QWidget* InfoBox::focusTarget() const {
    return kind_ == InfoKind::Help ? text_ : static_cast<QWidget*>(ok_);
}

ExplanationHandler::ExplanationHandler(QMainWindow* window, QWidget* progressFrame, QWidget* button,
                                       const ExamRecord& exam, const BankModel& bank,
                                       std::function<void(int)> captionButton)
    : QObject(window), owner_(window), progressFrame_(progressFrame), button_(button), exam_(exam), bank_(bank),
      captionButton_(std::move(captionButton)) {}

void ExplanationHandler::toggle() {
    if (!explanation_) {
        if (open()) captionButton_(2);
        if (button_) button_->setFocus();
        return;
    }
    ExplanationWindow* window = explanation_;
    explanation_ = nullptr;
    window->close();
    window->deleteLater();
    captionButton_(1);
    syncButton();
}

void ExplanationHandler::syncButton() {
    if (!button_) return;
    const int p = exam_.CurrentQuestion;
    const bool none = p >= 1 && p <= exam_.ExamSize && trimSpaces(bank_.Explanation[exam_.ExamOrder[p]]).empty();
    button_->setEnabled(!none || explanation_);
}

bool ExplanationHandler::open() {
    if (!progressFrame_) return false;
    const DialogUnits dlu = dialogUnits(owner_);
    // It covers the caption, the menu bar and the controls left of the
    // "Progress" frame.
    int captionHeight = owner_->geometry().y() - owner_->frameGeometry().y();
    if (captionHeight <= 0) captionHeight = systemWindowMetrics().CaptionHeight;
    const int lift = captionHeight + owner_->menuBar()->height();
    const QRect frame = progressFrame_->geometry();
    const QPoint topLeft = owner_->centralWidget()->mapToGlobal(QPoint(0, 0)) - QPoint(0, lift);
    const QSize size(frame.x() - dlu.toPixelsX(2), frame.height() + lift);
    if (size.width() <= 0 || size.height() <= 0) return false;

    explanation_ = new ExplanationWindow(owner_, QRect(topLeft, size), dlu);
    const int p = exam_.CurrentQuestion;
    const bool onQuestion = p >= 1 && p <= exam_.ExamSize;
    if (onQuestion && ((exam_.ExamStage >= StageAnswering && exam_.result(p) > '0') ||
                       exam_.ExamStage == StageOver))
        explanation_->showExplanation(bank_.Explanation[exam_.ExamOrder[p]]);
    else
        explanation_->showHint();
    explanation_->show();
    return true;
}

void ExplanationHandler::refresh() {
    const int p = exam_.CurrentQuestion;
    if (!explanation_ || p < 1 || p > exam_.ExamSize) return;
    explanation_->showExplanation(bank_.Explanation[exam_.ExamOrder[p]]);
}

void ExplanationHandler::clear() {
    if (explanation_) explanation_->clear();
}

void ExplanationHandler::applyLanguage() {
    if (explanation_ && explanation_->content() == ShowsHint) explanation_->showHint();
}

void ExplanationHandler::close() {
    if (!explanation_) return;
    ExplanationWindow* window = explanation_;
    explanation_ = nullptr;
    window->close();
    window->deleteLater();
}

InfoBoxes::InfoBoxes(QWidget* window, const ShrinkFactors& shrink)
    : QObject(window), window_(window), shrink_(shrink) {}

InfoBoxes::~InfoBoxes() { deleteAll(); }

void InfoBoxes::show(InfoKind kind) {
    QPointer<InfoBox>& entry = boxes_[static_cast<size_t>(kind)];
    if (entry) {
        entry->raise();
        entry->activateWindow();
        entry->focusTarget()->setFocus();
        return;
    }
    auto* box = new InfoBox(kind, shrink_, dialogUnits(window_));
    entry = box;
    box->show();
    // A screen reader starts reading the help at once, in either layout:
    // its first lines tell how to get the simplified one.
    if (kind == InfoKind::Help) box->focusTarget()->setFocus();
}

void InfoBoxes::applyLanguage() {
    for (QPointer<InfoBox>& box : boxes_)
        if (box) box->applyLanguage();
}

void InfoBoxes::closeAll() {
    for (QPointer<InfoBox>& box : boxes_)
        if (box) box->close();
}

void InfoBoxes::deleteAll() {
    for (QPointer<InfoBox>& box : boxes_) delete box.data();
}

void runDumpUtility(QWidget* window, const BankModel& bank, const std::filesystem::path& programFolder) {
    const std::optional<std::string> reply = myInputBox(window, dumpPrompt(), dumpTitle());
    if (!reply) return;
    myDumpBank(bank, programFolder, *reply, longTextIn(1, 0), longTextIn(1, 1));
}
