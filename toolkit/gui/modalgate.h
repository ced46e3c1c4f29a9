// Every modal box of the programs passes through runModal, so that a test can
// answer it in advance (look at the request, return a result) instead of a
// window waiting for a user that is not there.
#pragma once

#include <functional>
#include <optional>
#include <string>

class QDialog;
class QWidget;

// Dialog: any other modal dialog of a program (an input box, a choice list).
enum class ModalKind { MessageBox, SystemBox, OpenFile, SaveFile, Dialog };

struct ModalRequest {
    ModalKind Kind = ModalKind::MessageBox;
    QWidget* Owner = nullptr;
    // The box, fully built and placed but not shown. An answerer may work on
    // it (pick a file, click a button) before returning its answer.
    QDialog* Dialog = nullptr;
    std::string Title; // Latin-1
    std::string Text;  // Latin-1, CR LF line breaks
    unsigned Style = 0;
};

// Returns the box's result, or nullopt to let the box be shown for real.
using ModalAnswerer = std::function<std::optional<int>(const ModalRequest&)>;
ModalAnswerer& modalAnswerer();

// The answerer's result when it gives one (answered set), otherwise the
// dialog's exec().
int runModal(const ModalRequest& request, bool* answered = nullptr);

// The plain system box, for diagnostics and for errors before the main
// window exists: the button set and icon of the style's low bits (as for
// myMsgBox), built-in captions, no owner needed. Returns the result code of
// the button pressed (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes,
// 7 No, 10 Try again, 11 Continue).
int mySystemBox(QWidget* owner, const std::string& text, const std::string& title, unsigned style);
