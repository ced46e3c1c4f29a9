#include "examsim/ui/inputbox.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "toolkit/gui/controls.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/qtext.h"

std::optional<std::string> myInputBox(QWidget* owner, const std::string& prompt,
                                      const std::string& title, const std::string& defaultReply,
                                      std::optional<int> x, std::optional<int> y) {
    QDialog box(owner);
    box.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    box.setWindowTitle(toQString(title));
    box.setFixedSize(500, 300);

    auto* label = new QLabel(toQLines(prompt), &box);
    setControlId(label, InputPromptId);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setGeometry(10, 9, 390, 244);
    auto* reply = new QLineEdit(toQString(defaultReply), &box);
    setControlId(reply, InputTextId);
    reply->setGeometry(8, 260, 484, 24);
    auto* ok = new QPushButton(QStringLiteral("&OK"), &box);
    setControlId(ok, 1);
    ok->setGeometry(408, 10, 80, 20);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &box);
    setControlId(cancel, 2);
    cancel->setGeometry(408, 34, 80, 20);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &box, &QDialog::reject);

    if (x && y) {
        box.move(*x, *y);
    } else {
        QRect over;
        if (owner) over = owner->frameGeometry();
        else if (QScreen* screen = QGuiApplication::primaryScreen()) over = screen->geometry();
        box.move(over.x() + (over.width() - box.width()) / 2,
                 over.y() + (over.height() - box.height()) / 2);
    }
    reply->setFocus();

    ModalRequest request;
    request.Kind = ModalKind::Dialog;
    request.Owner = owner;
    request.Dialog = &box;
    request.Title = title;
    request.Text = prompt;
    if (runModal(request) != QDialog::Accepted) return std::nullopt;
    return fromQString(reply->text());
}
