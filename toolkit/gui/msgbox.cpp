#include "toolkit/gui/msgbox.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

#include "toolkit/errorbox.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"

QMessageBox::Icon styleIcon(unsigned style) {
    switch (style & 0xF0) {
    case MbIconError:
        return QMessageBox::Critical;
    case MbIconQuestion:
        return QMessageBox::Question;
    case MbIconExclamation:
        return QMessageBox::Warning;
    case MbIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

namespace {
QPointer<QWidget>& rememberedOwner() {
    static QPointer<QWidget> owner;
    return owner;
}

// Box ids follow the button index: OK is 9980, Help 9989.
constexpr int FirstButtonId = 9980;
constexpr int OkIndex = 0;
constexpr int CancelIndex = 6;

bool hasIcon(unsigned style) { return styleIcon(style) != QMessageBox::NoIcon; }

QStyle::StandardPixmap iconPixmap(unsigned style) {
    switch (styleIcon(style)) {
    case QMessageBox::Critical:
        return QStyle::SP_MessageBoxCritical;
    case QMessageBox::Question:
        return QStyle::SP_MessageBoxQuestion;
    case QMessageBox::Warning:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

std::vector<std::string> splitAtCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find("\r\n", start);
        lines.push_back(
            text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 2;
    }
    return lines;
}

// Where the box's outer frame goes: centred in the reference rectangle, or
// at (x, y) from the work area's corner, then held inside the work area.
QPoint placeBox(QSize outer, QWidget* owner, std::optional<int> x, std::optional<int> y) {
    QRect workArea;
    QRect reference;
    QWidget* window = owner ? owner->window() : nullptr;
    bool haveWorkArea = false;
    if (window)
        haveWorkArea =
            myGetWorkArea(myMonitorFromWindow(window, MonitorDefaultToNearest), workArea);
    // Without an owner the primary work area keeps the box on the screen.
    if (!haveWorkArea) myGetWorkArea(nullptr, workArea);
    if (window) {
        reference = workArea;
        if (!window->isMaximized())
            reference = window->isMinimized() ? window->normalGeometry() : window->frameGeometry();
    } else if (QScreen* primary = myMonitorFromPoint(0, 0, MonitorDefaultToPrimary)) {
        reference = QRect(QPoint(0, 0), primary->geometry().size());
    } else {
        reference = workArea;
    }

    QPoint at;
    if (!x || !y)
        at = QPoint(reference.left() + (reference.width() - outer.width()) / 2,
                    reference.top() + (reference.height() - outer.height()) / 2);
    else
        at = workArea.topLeft() + QPoint(*x, *y);
    if (workArea.isValid()) {
        at.setY(std::max(at.y(), workArea.top()));
        at.setX(std::max(at.x(), workArea.left()));
        const int right = workArea.left() + workArea.width();
        const int bottom = workArea.top() + workArea.height();
        if (at.y() + outer.height() > bottom) at.setY(bottom - outer.height());
        if (at.x() + outer.width() > right) at.setX(right - outer.width());
    }
    return at;
}
} // namespace

const std::array<MsgBoxButton, 10>& msgBoxButtons() {
    static const std::array<MsgBoxButton, 10> buttons = {{
        {"&OK", 9980, IdOk},
        {"&Yes", 9981, IdYes},
        {"&No", 9982, IdNo},
        {"&Abort", 9983, IdAbort},
        {"&Retry", 9984, IdRetry},
        {"&Ignore", 9985, IdIgnore},
        {"&Cancel", 9986, IdCancel},
        {"&Try again", 9987, IdTryAgain},
        {"Conti&nue", 9988, IdContinue},
        {"&Help", 9989, 0},
    }};
    return buttons;
}

std::vector<int> msgBoxButtonSet(unsigned style) {
    std::vector<int> set;
    switch (style & 0xF) {
    case MbOk:
        set = {0};
        break;
    case MbOkCancel:
        set = {0, 6};
        break;
    case MbAbortRetryIgnore:
        set = {3, 4, 5};
        break;
    case MbYesNoCancel:
        set = {1, 2, 6};
        break;
    case MbYesNo:
        set = {1, 2};
        break;
    case MbRetryCancel:
        set = {4, 6};
        break;
    case MbCancelTryContinue:
        set = {6, 7, 8};
        break;
    case MbAllButtons:
        set = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
        break;
    // The desktop box shows OK for the values it does not know.
    default:
        set = {0};
        break;
    }
    if ((style & MbHelp) && set.size() < 10) set.push_back(MsgBoxHelpIndex);
    return set;
}

std::array<std::string, 10> msgBoxCaptions(const std::string& captionList) {
    std::array<std::string, 10> captions;
    const std::vector<std::string> entries =
        captionList.empty() ? std::vector<std::string>() : splitFields(captionList, ',');
    for (size_t i = 0; i < captions.size(); ++i)
        captions[i] =
            i < entries.size() && !entries[i].empty() ? entries[i] : msgBoxButtons()[i].caption;
    return captions;
}

HelpRequestEvent::HelpRequestEvent(QWidget* item, int controlId, QPoint mousePos)
    : QEvent(eventType()), Item(item), ControlId(controlId), MousePos(mousePos) {}

QEvent::Type HelpRequestEvent::eventType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

MsgBoxDialog::MsgBoxDialog(QWidget* owner, unsigned style)
    : QDialog(nullptr), style_(style), owner_(owner) {}

void MsgBoxDialog::setCloseRefused(bool refused) {
    closeRefused_ = refused;
}

void MsgBoxDialog::reject() {
    if (closeRefused_) return;
    // Help is an addition to the set, not one of its buttons.
    const std::vector<int> set = msgBoxButtonSet(style_ & ~MbHelp);
    const bool okAlone = set.size() == 1 && set[0] == OkIndex;
    done(okAlone ? IdOk : IdCancel);
}

void MsgBoxDialog::done(int result) {
    if (ownerDisabled_ && owner_) {
        QWidget* window = owner_->window();
        window->raise();
        window->activateWindow();
        ownerDisabled_ = false;
    }
    QDialog::done(result);
}

void MsgBoxDialog::requestHelp() {
    if (!owner_) return;
    HelpRequestEvent request(this, MsgBoxHelpIndex, QCursor::pos());
    QCoreApplication::sendEvent(owner_, &request);
}

void MsgBoxDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Like the desktop box, settle focus once the window is really up.
    QMetaObject::invokeMethod(this, &MsgBoxDialog::afterShown, Qt::QueuedConnection);
}

void MsgBoxDialog::afterShown() {
    if (defaultButton_) {
        defaultButton_->setDefault(true);
        defaultButton_->setFocus();
    }
    // Application modality already keeps the owner from taking input; the
    // owner is only brought back to the front when the box closes.
    if ((style_ & MbTaskModal) && owner_) ownerDisabled_ = true;
}

void MsgBoxDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        requestHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::unique_ptr<MsgBoxDialog> buildMsgBox(QWidget* owner, const std::string& text,
                                          const std::string& title, unsigned style, int beep,
                                          const std::string& captionList, std::optional<int> x,
                                          std::optional<int> y) {
    if (owner)
        rememberedOwner() = owner;
    else if (!rememberedOwner())
        rememberedOwner() = QApplication::activeWindow();
    QWidget* keptOwner = rememberedOwner();

    auto box = std::make_unique<MsgBoxDialog>(keptOwner, style);
    const std::vector<int> set = msgBoxButtonSet(style);
    const bool closeRefused = std::find(set.begin(), set.end(), OkIndex) == set.end() &&
                              std::find(set.begin(), set.end(), CancelIndex) == set.end();
    box->setCloseRefused(closeRefused);

    Qt::WindowFlags flags =
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (!closeRefused) flags |= Qt::WindowCloseButtonHint;
    if (style & MbSystemModal) flags |= Qt::WindowStaysOnTopHint;
    box->setParent(owner, flags);
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowTitle(toQString(title));
    box->setFont(owner ? owner->font() : QApplication::font());

    const WindowMetrics wm = systemWindowMetrics();
    const QFontMetrics fm(box->font());
    int textWidth = 0;
    int lineHeight = 0;
    const std::vector<std::string> lines = splitAtCrLf(text);
    for (const std::string& line : lines) {
        textWidth = std::max(textWidth, fm.horizontalAdvance(toQString(line) + QLatin1Char('W')));
        lineHeight = std::max(lineHeight, fm.height());
    }

    const int leftMargin = hasIcon(style) ? wm.IconWidth + 20 : 10;
    auto* label = new QLabel(toQLines(text), box.get());
    setControlId(label, MsgBoxLabelId);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fifth of a line's height between lines, or what the label itself
    // needs where its font spaces lines wider (Wine's font drew the last
    // line below the label, cut off).
    const int labelHeight = std::max(int(roundHalfEven(double(lines.size()) * lineHeight * 1.2)),
                                     label->sizeHint().height());
    label->setGeometry(leftMargin, 10, textWidth, labelHeight);

    NonClientMetrics ncm;
    myGetNonClientMetrics(ncm);
    const int captionNeed =
        QFontMetrics(ncm.CaptionFont).horizontalAdvance(toQString(title) + QLatin1Char('W')) +
        ncm.CaptionButtonWidth + wm.SmallIconWidth + 10;
    int width = std::max({wm.MinWindowWidth, captionNeed, leftMargin + textWidth + 20});
    int height = std::max(wm.MinWindowHeight, labelHeight);

    const std::array<std::string, 10> captions = msgBoxCaptions(captionList);
    const DialogUnits dlu = dialogUnits(box->font());
    int bw = dlu.toPixelsX(50);
    const int bh = dlu.toPixelsY(14);
    // 50 units hold every caption in the desktop's narrow fonts; a wider
    // font must not clip "&Recommencer", so the buttons grow to the widest.
    for (int index : set) {
        QString caption = toQString(captions[size_t(index)]);
        caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        bw = std::max(bw, fm.horizontalAdvance(caption) + dlu.toPixelsX(8));
    }
    const int gap = bw / 14;
    const int count = int(set.size());
    const int rowWidth = count * bw + (count - 1) * gap;
    width = std::max(width, rowWidth + 2 * gap);
    const int firstX = (width - 2 * wm.DialogFrame - rowWidth) / 2;
    height += 3 * bh + wm.MenuButtonHeight;
    const int buttonY = height - 2 * bh - wm.MenuButtonHeight;

    const int defaultPosition = int((style >> 8) & 3);
    MsgBoxDialog* dialog = box.get();
    for (int k = 0; k < count; ++k) {
        const int index = set[size_t(k)];
        const MsgBoxButton& kind = msgBoxButtons()[size_t(index)];
        auto* button = new QPushButton(toQString(captions[size_t(index)]), dialog);
        setControlId(button, kind.id);
        button->setGeometry(firstX + k * (bw + gap), buttonY, bw, bh);
        if (k == defaultPosition) {
            button->setDefault(true);
            dialog->setDefaultButton(button);
        }
        if (index == MsgBoxHelpIndex)
            QObject::connect(button, &QPushButton::clicked, dialog, &MsgBoxDialog::requestHelp);
        else
            QObject::connect(button, &QPushButton::clicked, dialog,
                             [dialog, result = kind.result] { dialog->done(result); });
    }

    // The layout above is the desktop's outer size; the widget's own size is
    // its client area.
    dialog->resize(width - 2 * wm.DialogFrame, height - wm.CaptionHeight - 2 * wm.DialogFrame);
    dialog->move(placeBox(QSize(width, height), keptOwner, x, y));

    if (hasIcon(style)) {
        auto* icon = new QLabel(dialog);
        setControlId(icon, MsgBoxIconId);
        icon->setPixmap(dialog->style()
                            ->standardIcon(iconPixmap(style), nullptr, dialog)
                            .pixmap(wm.IconWidth, wm.IconWidth));
        icon->setGeometry(10, 10, wm.IconWidth, wm.IconWidth);
    }
    // Qt offers one system sound, whatever the icon.
    if (beep) QApplication::beep();
    return box;
}

int myMsgBox(QWidget* owner, const std::string& text, const std::string& title, unsigned style,
             int beep, const std::string& captionList, std::optional<int> x, std::optional<int> y) {
    std::unique_ptr<MsgBoxDialog> box =
        buildMsgBox(owner, text, title, style, beep, captionList, x, y);
    const ModalRequest request{ModalKind::MessageBox, box->owner(), box.get(), title, text, style};
    return runModal(request);
}

QWidget* msgBoxOwner() {
    return rememberedOwner();
}

void forgetMsgBoxOwner() {
    rememberedOwner() = nullptr;
}

void installSystemErrorBox() {
    errorBoxPort().systemBox = [](const std::string& title, const std::string& text) {
        mySystemBox(nullptr, text, title, MbOk | MbIconError);
    };
}

void installWindowErrorBox(QWidget* mainWindow, std::function<std::string()> captionList) {
    QPointer<QWidget> window = mainWindow;
    errorBoxPort().windowBox = [window, captionList](const std::string& title,
                                                     const std::string& text) {
        if (window)
            myMsgBox(window, text, title, MbOk | MbIconError, 0,
                     captionList ? captionList() : std::string());
        else
            mySystemBox(nullptr, text, title, MbOk | MbIconError);
    };
}
