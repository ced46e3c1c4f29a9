#include "examsim/ui/controlwidgets.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "toolkit/gui/readingstart.h"

namespace {
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (focusHidden_) option.state &= ~QStyle::State_HasFocus;
    const QString text = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) + 2;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::ButtonText));
    const int flags = centred_ ? (TextFlags & ~Qt::AlignLeft) | Qt::AlignHCenter : TextFlags;
    painter.drawText(rect().adjusted(margin, 1, -margin, -1), flags, text);
}

void WrapButton::hideFocusUntilItMoves() {
    focusHidden_ = true;
    update();
}

void WrapButton::focusInEvent(QFocusEvent* event) {
    focusHidden_ = false;
    QPushButton::focusInEvent(event);
}

void WrapButton::focusOutEvent(QFocusEvent* event) {
    focusHidden_ = false;
    QPushButton::focusOutEvent(event);
}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    QStyleOptionButton box = option;
    const int boxX = textOnLeft_ ? width() - indicator.width() - indicator.x() : indicator.x();
    box.rect = QRect(boxX, (height() - indicator.height()) / 2, indicator.width(), indicator.height());
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);
    const QRect textRect = textOnLeft_ ? QRect(2, 0, boxX - 8, height())
                                       : QRect(box.rect.right() + 6, 0, width() - box.rect.right() - 8, height());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                   QPalette::WindowText));
    const int align = textOnLeft_ ? (TextFlags & ~Qt::AlignLeft) | Qt::AlignRight : TextFlags;
    painter.drawText(textRect, align, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textRect, align, text()).adjusted(-2, -1, 2, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

QString literalAmpersands(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&&"));
    return out;
}

namespace {
class TextBoxFilter : public QObject {
public:
    explicit TextBoxFilter(QPlainTextEdit* box) : QObject(box), box_(box) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FocusIn:
            if (watched == box_) QMetaObject::invokeMethod(box_, [b = box_] { toStart(b); }, Qt::QueuedConnection);
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
            box_->setFocus(Qt::MouseFocusReason);
            toStart(box_);
            return true;
        case QEvent::MouseMove:
            // No selection by dragging either.
            return (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton) != 0;
        default:
            return false;
        }
    }

private:
    // The start of the text, past a leading blank line (the help's): a
    // screen reader reads the line with the caret.
    static void toStart(QPlainTextEdit* box) { caretOnFirstText(box); }
    QPlainTextEdit* box_;
};
}  // namespace

void installTextBoxFilter(QWidget* textBox) {
    auto* box = qobject_cast<QPlainTextEdit*>(textBox);
    if (!box) return;
    auto* filter = new TextBoxFilter(box);
    box->installEventFilter(filter);
    box->viewport()->installEventFilter(filter);
    // A read-only box still takes the keyboard focus so it can be read.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
}
