// The programs' own message box: the style flags and result codes of the
// desktop's message box, captions from the program's caption list in the
// interface language, sized to its text and placed over its owner.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QPushButton>

// Style flags.
inline constexpr unsigned MbOk = 0x0, MbOkCancel = 0x1, MbAbortRetryIgnore = 0x2,
                          MbYesNoCancel = 0x3, MbYesNo = 0x4, MbRetryCancel = 0x5,
                          MbCancelTryContinue = 0x6, MbAllButtons = 0xF;
inline constexpr unsigned MbIconError = 0x10, MbIconQuestion = 0x20, MbIconExclamation = 0x30,
                          MbIconInformation = 0x40;
inline constexpr unsigned MbDefButton2 = 0x100, MbDefButton3 = 0x200, MbDefButton4 = 0x300;
inline constexpr unsigned MbSystemModal = 0x1000, MbTaskModal = 0x2000, MbHelp = 0x4000;

// The icon the style's icon bits ask for; NoIcon when they ask none.
QMessageBox::Icon styleIcon(unsigned style);

// Result codes.
inline constexpr int IdOk = 1, IdCancel = 2, IdAbort = 3, IdRetry = 4, IdIgnore = 5, IdYes = 6,
                     IdNo = 7, IdTryAgain = 10, IdContinue = 11;

inline constexpr int MsgBoxLabelId = 9990;
inline constexpr int MsgBoxIconId = 9998;
inline constexpr int MsgBoxHelpIndex = 9;

struct MsgBoxButton {
    const char* caption; // built-in caption
    int id;              // control id
    int result;          // 0 for Help, which does not close the box
};
// In layout order, left to right; index n is captioned by list entry n + 1.
const std::array<MsgBoxButton, 10>& msgBoxButtons();

// Indexes of the buttons a style shows, Help last when asked for.
std::vector<int> msgBoxButtonSet(unsigned style);

// The ten captions of a comma-separated caption list; an empty list, or a
// missing or empty entry, gives the built-in caption.
std::array<std::string, 10> msgBoxCaptions(const std::string& captionList);

// A help request passed on to the box's owner (as the desktop's F1 help):
// the box as the item, MsgBoxHelpIndex as the control id, and where the
// mouse was.
class HelpRequestEvent : public QEvent {
public:
    HelpRequestEvent(QWidget* item, int controlId, QPoint mousePos);
    static QEvent::Type eventType();

    QPointer<QWidget> Item;
    int ControlId;
    QPoint MousePos;
};

class MsgBoxDialog : public QDialog {
    Q_OBJECT
public:
    MsgBoxDialog(QWidget* owner, unsigned style);

    unsigned boxStyle() const { return style_; }
    QWidget* owner() const { return owner_; }
    QPushButton* defaultButton() const { return defaultButton_; }
    // Whether Escape and the close box are refused (no OK or Cancel shown).
    bool closeRefused() const { return closeRefused_; }

    void setDefaultButton(QPushButton* button) { defaultButton_ = button; }
    void setCloseRefused(bool refused);

    void reject() override;
    void done(int result) override;

    // Passes a help request on to the owner.
    void requestHelp();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void afterShown();

    unsigned style_;
    QPointer<QWidget> owner_;
    QPointer<QPushButton> defaultButton_;
    bool closeRefused_ = false;
    bool ownerDisabled_ = false;
};

// Builds the box myMsgBox shows: sized, placed and ready, not shown. x and y,
// when both given, place it relative to the work area's top-left corner.
std::unique_ptr<MsgBoxDialog> buildMsgBox(QWidget* owner, const std::string& text,
                                          const std::string& title, unsigned style, int beep,
                                          const std::string& captionList,
                                          std::optional<int> x = std::nullopt,
                                          std::optional<int> y = std::nullopt);

// Shows the box modally (through runModal) and returns the result code of
// the button pressed; Escape and the close box give 1 for OK alone, else 2,
// and are refused when neither OK nor Cancel is shown.
int myMsgBox(QWidget* owner, const std::string& text, const std::string& title, unsigned style,
             int beep = 0, const std::string& captionList = std::string(),
             std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt);

// The owner given by the last call that gave one (or the window active at
// the first call); forgetMsgBoxOwner starts over.
QWidget* msgBoxOwner();
void forgetMsgBoxOwner();

// Error boxes before the main window exists: the plain system box.
void installSystemErrorBox();
// Error boxes once the main window exists: myMsgBox owned by it, with the
// caption list of the interface language the function returns at that time.
// Falls back to the system box once the window is gone.
void installWindowErrorBox(QWidget* mainWindow, std::function<std::string()> captionList);
