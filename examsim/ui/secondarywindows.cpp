#include "secondarywindows.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls.h"
#include "controlwidgets.h"
#include "qtext.h"
#include "readingstart.h"
#include "sessiontexts.h"
#include "text.h"
#include "uicontext.h"
#include "uitexts.h"

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
    setUserSlot(text_, 1, content);
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
    return static_cast<ExplanationContent>(userSlot(text_, 1));
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
    setUserSlot(this, 3, static_cast<int>(kind));

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
    setControlId(ok_, 1);
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
