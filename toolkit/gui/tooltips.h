// Tooltips of the programs' controls, asked for each time a tip is about to
// show so that a language switch needs no new set-up. Where tooltips cannot
// be made, the same texts go to the status line while the mouse is over a
// control.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

class QObject;
class QWidget;

// A program's tooltip texts: Texts[id - FirstId][language] (0 English,
// 1 French), Latin-1, CR LF line breaks allowed.
struct ToolTipTable {
    int FirstId = 0;
    std::vector<std::array<std::string, 2>> Texts;

    int lastId() const { return FirstId + int(Texts.size()) - 1; }
    // A control has a tip when its id is in the table and the English text
    // is not empty (a French text alone does not count).
    bool hasTip(int id) const;
    // The text of the language, cut to the 200 characters a tip can hold;
    // "" for an id without a tip.
    std::string tip(int id, int language) const;
};

inline constexpr int MaxTipChars = 200;
inline constexpr int MaxTipWidth = 200; // pixels; longer tips wrap

struct ToolTipState {
    bool ToolTipsAvailable = true;
    // Cleared by the /X switch: set-up failures are then silent.
    bool ReportToolTipFailures = true;
    // Whether the desktop can make the tooltip window; unset, it can
    // wherever there are widgets. A test makes the set-up fail here.
    std::function<bool()> CanMakeTipWindow;
};
ToolTipState& toolTipState();

// Gives every descendant control of dialog whose id has a tip its tooltip.
// 1 when all children were gone through; 0 when the tips could not be set
// up (ToolTipsAvailable then false, reported when ReportToolTipFailures):
// the controls are still gone through, for their status-line hints.
int myAddToolTips(QWidget* dialog, const ToolTipTable& table);

// The per-child step of myAddToolTips; always lets the walk go on (1).
int myEnumChildProc(QWidget* child, QObject* tipper);

// The status-line hint for a control: " " + tip with each CR LF made a space.
std::string statusHint(const std::string& tip);

// Breaks a tip into lines no wider than maxWidth pixels in the tooltip
// font, at spaces where possible; existing line breaks are kept.
std::string wrapTip(const std::string& tip, int maxWidth);
