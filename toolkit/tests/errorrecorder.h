// Test helper: captures what the error box and status line would show.
#pragma once

#include <string>
#include <vector>

#include "toolkit/errorbox.h"
#include "toolkit/uicontext.h"

struct ShownBox {
    std::string title;
    std::string text;
};

class ErrorRecorder {
public:
    explicit ErrorRecorder(int language = 0) {
        saved_ = errorBoxPort();
        savedLanguage_ = uiContext().InterfaceLanguage;
        uiContext().InterfaceLanguage = language;
        errorBoxPort().windowBox = nullptr;
        errorBoxPort().systemBox = [this](const std::string& title, const std::string& text) {
            boxes.push_back({title, text});
        };
        statusSink() = [this](const std::string& text) { statuses.push_back(text); };
    }
    ~ErrorRecorder() {
        errorBoxPort() = saved_;
        statusSink() = nullptr;
        uiContext().InterfaceLanguage = savedLanguage_;
    }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    std::string lastText() const { return boxes.empty() ? std::string() : boxes.back().text; }

    std::vector<ShownBox> boxes;
    std::vector<std::string> statuses;

private:
    ErrorBoxPort saved_;
    int savedLanguage_ = 0;
};
