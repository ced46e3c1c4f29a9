#include "toolkit/gui/modalgate.h"

#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

ModalAnswerer& modalAnswerer() {
    static ModalAnswerer answerer;
    return answerer;
}

int runModal(const ModalRequest& request, bool* answered) {
    if (answered) *answered = false;
    if (modalAnswerer()) {
        if (std::optional<int> answer = modalAnswerer()(request)) {
            if (answered) *answered = true;
            return *answer;
        }
    }
    return request.Dialog ? request.Dialog->exec() : 0;
}

namespace {
struct SystemButton {
    QMessageBox::StandardButton standard;
    const char* caption; // for the buttons the system box has no standard for
    QMessageBox::ButtonRole role;
    int result;
};

std::vector<SystemButton> systemButtonSet(unsigned style) {
    using QMB = QMessageBox;
    const SystemButton ok{QMB::Ok, nullptr, QMB::AcceptRole, 1};
    const SystemButton cancel{QMB::Cancel, nullptr, QMB::RejectRole, 2};
    const SystemButton abort{QMB::Abort, nullptr, QMB::RejectRole, 3};
    const SystemButton retry{QMB::Retry, nullptr, QMB::AcceptRole, 4};
    const SystemButton ignore{QMB::Ignore, nullptr, QMB::AcceptRole, 5};
    const SystemButton yes{QMB::Yes, nullptr, QMB::YesRole, 6};
    const SystemButton no{QMB::No, nullptr, QMB::NoRole, 7};
    const SystemButton tryAgain{QMB::NoButton, "&Try Again", QMB::AcceptRole, 10};
    const SystemButton cont{QMB::NoButton, "&Continue", QMB::AcceptRole, 11};
    switch (style & 0xF) {
    case 1:
        return {ok, cancel};
    case 2:
        return {abort, retry, ignore};
    case 3:
        return {yes, no, cancel};
    case 4:
        return {yes, no};
    case 5:
        return {retry, cancel};
    case 6:
        return {cancel, tryAgain, cont};
    default:
        return {ok};
    }
}

} // namespace

int mySystemBox(QWidget* owner, const std::string& text, const std::string& title, unsigned style) {
    QMessageBox box(owner);
    box.setWindowTitle(toQString(title));
    box.setText(toQLines(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(styleIcon(style));
    box.setWindowModality(Qt::ApplicationModal);

    const std::vector<SystemButton> set = systemButtonSet(style);
    std::vector<std::pair<QAbstractButton*, int>> results;
    int escapeResult = 0;
    for (const SystemButton& b : set) {
        QAbstractButton* button = b.standard != QMessageBox::NoButton
                                      ? static_cast<QAbstractButton*>(box.addButton(b.standard))
                                      : box.addButton(QString::fromLatin1(b.caption), b.role);
        results.emplace_back(button, b.result);
        if (b.result == 2 || (set.size() == 1 && b.result == 1)) escapeResult = b.result;
    }
    if (escapeResult) {
        for (const auto& [button, result] : results)
            if (result == escapeResult) box.setEscapeButton(button);
    }
    const unsigned defaultIndex = (style >> 8) & 3;
    if (defaultIndex < results.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(results[defaultIndex].first));

    ModalRequest request{ModalKind::SystemBox, owner, &box, title, text, style};
    bool answered = false;
    const int answer = runModal(request, &answered);
    if (answered) return answer;
    for (const auto& [button, result] : results)
        if (button == box.clickedButton()) return result;
    // Closed without a button: only possible where Escape is allowed.
    return escapeResult ? escapeResult : 1;
}
