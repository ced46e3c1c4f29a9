// The one way every failure reaches the user. The procedure that detects a
// failure calls myErrorBox once and returns failure; callers stay silent.
#pragma once

#include <functional>
#include <string>

// Shows a modal error box with the given title and text and returns once the
// user has closed it.
using ErrorPresenter = std::function<void(const std::string& title, const std::string& text)>;

struct ErrorBoxPort {
    // Plain system box, used while the program has no main window.
    ErrorPresenter systemBox;
    // The program's own box owned by the main window; set while it exists.
    ErrorPresenter windowBox;
};

ErrorBoxPort& errorBoxPort();

// Program name + " - Error Message" / " - Message d'erreur".
std::string errorBoxTitle();

// Shows the text (CR LF line breaks kept) and returns 1. Without any
// presenter installed the message goes to standard error.
int myErrorBox(const std::string& text);

// Status line of the main window: empty text restores the line's default
// look, any other text is shown in black on yellow. Does nothing while no
// main window has installed the sink. Returns 1.
using StatusSink = std::function<void(const std::string& text)>;
StatusSink& statusSink();
int myShowStatus(const std::string& text);
