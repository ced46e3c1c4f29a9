// Every text the exam simulator's window shows, in both interface
// languages: menus, control captions, tooltips, messages, other texts and
// the help and about texts. Filled once at start-up; read in the column of
// the interface language in force.
#pragma once

#include <array>
#include <string>

#include "examsim/bank/banktexts.h"
#include "toolkit/gui/tooltips.h"

inline constexpr int FirstCaptionId = 2000;
inline constexpr int LastCaptionId = 2044;
inline constexpr int FirstTipId = 2000;
inline constexpr int LastTipId = 2017;
inline constexpr int MessageCount = 29;
inline constexpr int OtherTextCount = 25;
inline constexpr int MenuCount = 3;      // File, Tools, Help
inline constexpr int MenuItemCount = 8;  // item 0 is the menu's title

// Message and other-text numbers the window itself uses (the bank core's
// own, MsgNoBank and the like, come with banktexts.h).
enum UiMessage : int {
    MsgEmptyExam = 25,
    MsgMarkNotArmed = 26,
    MsgFontSwitch = 27,
    MsgSizeSwitch = 29,
};
enum UiOtherText : int {
    OtherTitleHelpAbout = 12,
    OtherTitleError = 13,
    OtherTitleWarning = 14,
    OtherExplanationHint = 15,
    OtherButtonCaptions = 16,
    OtherImportDialogTitle = 18,
    OtherImportFilter = 19,  // "description|patterns" pairs of the file dialog
    OtherNoExplanation = 20,
    // Said once the interface has switched, in the language switched to.
    OtherLanguageSwitched = 21,
    // Beside Launch while the next exam is limited: back to the whole bank.
    OtherFullExam = 22,
    // After a switch, when the loaded bank has a twin in the language
    // switched to: the offer to load it, its title and its buttons.
    OtherTwinBankOffer = 23,
    OtherTwinBankTitle = 24,
    OtherTwinBankButtons = 25,
};

struct UiTexts {
    // [language][menu][item]
    std::array<std::array<std::array<std::string, MenuItemCount>, MenuCount>, 2> Menu;
    std::array<std::array<std::array<std::string, MenuItemCount>, MenuCount>, 2> MenuHints;  // same places
    // [language][id - FirstCaptionId]
    std::array<std::array<std::string, LastCaptionId - FirstCaptionId + 1>, 2> Captions;
    std::array<std::array<std::string, LastTipId - FirstTipId + 1>, 2> ToolTips;
    // [language][number], entry 0 unused
    std::array<std::array<std::string, MessageCount + 1>, 2> Messages;
    std::array<std::array<std::string, OtherTextCount + 1>, 2> Others;
    std::array<std::array<std::string, 3>, 2> LongTexts;  // 1 help, 2 about
};

// Assigns every entry in both languages (Latin-1).
void myFillTexts(UiTexts& texts);

// The program's tables, filled on first use.
const UiTexts& uiTexts();

// Texts of a given language (0 English, 1 French); "" outside the tables.
std::string menuTextIn(int menu, int item, int language);
std::string menuHintIn(int menu, int item, int language);  // "" for most items
std::string captionIn(int id, int language);
std::string toolTipIn(int id, int language);
std::string messageIn(int number, int language);
std::string otherTextIn(int number, int language);
std::string longTextIn(int number, int language);

// The same in the interface language in force.
std::string menuText(int menu, int item);
std::string menuHint(int menu, int item);
std::string caption(int id);
std::string message(int number);
std::string otherText(int number);
std::string longText(int number);

// The tooltip texts of every window of the program (main window and lesson
// dialog), for the toolkit's tooltips.
const ToolTipTable& examToolTips();
