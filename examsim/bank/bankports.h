// How the bank core reaches the user besides the error box and the status
// line of the toolkit: the window installs these, tests replace them with
// recorders. An unset port is simply skipped.
#pragma once

#include <functional>
#include <string>

struct BankPorts {
    // Information box owned by the main window, with an OK button.
    std::function<void(const std::string& title, const std::string& text)> informationBox;
    // Plain system box without owner, brought to the foreground; default caption.
    std::function<void(const std::string& text)> plainBox;
    // Wait cursor on (remembering the cursor it replaces) and put back.
    std::function<void()> beginWait;
    std::function<void()> endWait;
    // Check mark of the Tools menu item "Selection, &Lessons...".
    std::function<void(bool checked)> lessonMenuCheck;
    // Simplified layout (/S): the statistics after a full read are shorter.
    bool SimplifiedLayout = false;
};

BankPorts& bankPorts();
