// Test helper: answers every modal box in advance and records what it would
// have shown. Without a queued answer a message box gives its default
// button's result, a system box 1 and a file dialog "cancelled".
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"

struct AnsweredBox {
    ModalKind kind;
    std::string title;
    std::string text;
    unsigned style;
    std::vector<std::string> buttons; // captions, left to right
};

class BoxAnswers {
public:
    BoxAnswers() {
        saved_ = modalAnswerer();
        modalAnswerer() = [this](const ModalRequest& request) -> std::optional<int> {
            boxes.push_back(
                {request.Kind, request.Title, request.Text, request.Style, captionsOf(request)});
            if (!queued_.empty()) {
                auto action = std::move(queued_.front());
                queued_.pop_front();
                return action(request);
            }
            return defaultAnswer(request);
        };
    }
    ~BoxAnswers() { modalAnswerer() = saved_; }
    BoxAnswers(const BoxAnswers&) = delete;
    BoxAnswers& operator=(const BoxAnswers&) = delete;

    // The next box returns this result code.
    void answer(int result) {
        queued_.push_back([result](const ModalRequest&) { return result; });
    }
    // The next box is handed to the action (to pick a file, say); nullopt
    // shows it for real.
    void answerWith(std::function<std::optional<int>(const ModalRequest&)> action) {
        queued_.push_back(std::move(action));
    }

    std::vector<AnsweredBox> boxes;

private:
    static std::vector<std::string> captionsOf(const ModalRequest& request) {
        std::vector<std::string> captions;
        if (!request.Dialog) return captions;
        QList<QPushButton*> buttons = request.Dialog->findChildren<QPushButton*>();
        if (auto* box = qobject_cast<QMessageBox*>(request.Dialog)) {
            buttons.clear();
            for (QAbstractButton* b : box->buttons())
                if (auto* p = qobject_cast<QPushButton*>(b)) buttons << p;
        }
        std::sort(buttons.begin(), buttons.end(),
                  [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
        for (QPushButton* b : buttons)
            captions.push_back(fromQString(b->text()));
        return captions;
    }

    static std::optional<int> defaultAnswer(const ModalRequest& request) {
        if (request.Kind == ModalKind::SystemBox) return 1;
        if (request.Kind != ModalKind::MessageBox) return 0;
        auto* box = qobject_cast<MsgBoxDialog*>(request.Dialog);
        if (box && box->defaultButton()) {
            const int id = box->defaultButton()->property("id").toInt();
            for (const MsgBoxButton& b : msgBoxButtons())
                if (b.id == id && b.result) return b.result;
        }
        return 1;
    }

    ModalAnswerer saved_;
    std::deque<std::function<std::optional<int>(const ModalRequest&)>> queued_;
};
