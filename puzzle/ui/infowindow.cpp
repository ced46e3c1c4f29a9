#include "puzzle/ui/infowindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "puzzle/ui/puzzletexts.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/readingstart.h"

InfoWindow::InfoWindow(int kind, QWidget* owner) : QDialog(owner), kind_(kind) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(toQString("Ostrilon" + captionField(otherText(1), kind)));
    if (owner) setWindowIcon(owner->windowIcon());
    const DialogUnits du = dialogUnits(this);
    const int height = kind == HelpWindow ? 240 : 120;
    setFixedSize(du.toPixelsX(370), du.toPixelsY(height));
    if (kind == HelpWindow) {
        text_ = new QPlainTextEdit(this);
        setControlId(text_, HelpTextId);
        text_->setGeometry(du.toPixels(QRect(2, 2, 366, 214)));
        text_->setReadOnly(true);
        // Read with a caret; text can be selected and copied. A click or
        // the focus alone selects nothing.
        text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        label_ = new QLabel(this);
        setControlId(label_, AboutTextId);
        label_->setGeometry(du.toPixels(QRect(2, 10, 360, 96)));
        label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label_->setWordWrap(true);
    }
    ok_ = new QPushButton(QStringLiteral("O&k"), this);
    setControlId(ok_, 1);
    ok_->setGeometry(du.toPixels(QRect(165, height - 18, 40, 14)));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);
    setLongText();
}

void InfoWindow::setLongText() {
    const QString text = toQLines(longText(kind_));
    if (text_) {
        text_->setPlainText(text);
        caretOnFirstText(text_);
    }
    if (label_) label_->setText(text);
}

void InfoWindow::bringForward() {
    raise();
    activateWindow();
    if (text_) text_->setFocus();
    else ok_->setFocus();
}
