// Where every control of the main window goes, in dialog units, for the
// normal and the simplified layout at given shrink factors; and how far the
// window must shrink to fit a work area. No widgets here, so the geometry
// can be checked on its own.
#pragma once

#include <functional>
#include <vector>

enum class ControlKind {
    DropList,
    PushButton,
    MultiLineButton,
    ExplanationArea,  // multi-line button showing a text, left and centred vertically
    TextBox,          // read-only multi-line
    CheckBox,
    CheckBoxLeftText,
    Label,
    GroupFrame,
    Picture,
};

enum class Align { Left, Centre, Right };

struct ControlPlace {
    int Id = 0;
    ControlKind Kind = ControlKind::Label;
    int X = 0, Y = 0, Width = 0, Height = 0;  // dialog units
    Align TextAlign = Align::Left;
};

// Shrink counters: each step takes 2 % off one dimension.
struct ShrinkFactors {
    int Kx = 0, Ky = 0;
    float fx() const { return 1.0f - 0.02f * static_cast<float>(Kx); }
    float fy() const { return 1.0f - 0.02f * static_cast<float>(Ky); }
    // User slot 6 of the main window: low word 100 fx, high word 100 fy.
    int slotValue() const;
};

// value * factor in single precision, rounded half to even.
int scaled(int value, float factor);

inline constexpr int WindowWidthDlu = 512;
inline constexpr int WindowHeightDlu = 336;

struct LayoutInput {
    bool Simplified = false;
    ShrinkFactors Shrink;
    int BankCount = 0;
    int MenuBarDlu = 0;     // height of a menu-bar button, dialog units
    int LogoWidthDlu = 0;   // the logo's bitmap size converted (before rounding up)
    int LogoHeightDlu = 0;
    int PictureWidthDlu = 0;  // an answer picture's size converted
    int PictureHeightDlu = 0;
};

// Sizes rounded up to the next multiple of 4 (width) or 8 (height) above them.
int roundUpWidth(int dlu);
int roundUpHeight(int dlu);

// The controls in creation order. Drop lists carry the height of their
// open list.
std::vector<ControlPlace> myMainLayout(const LayoutInput& in);

// Grows the counters until an outer size of (512 fx, 336 fy) dialog units
// plus the frame fits the work area, height first. toPixelsX/Y convert
// dialog units; the frame is in pixels. Stops at half size, whatever fits.
inline constexpr int MaxShrinkSteps = 25;
ShrinkFactors myFitWorkArea(int workWidth, int workHeight, int frameWidth, int frameHeight,
                            const std::function<int(int)>& toPixelsX,
                            const std::function<int(int)>& toPixelsY);
