// What the programs ask of the desktop they run on: dialog units of a font,
// the frame metrics of windows, the desktop's message font, the monitor under
// a point or window and its work area. Nothing here may stop a start-up: a
// missing answer is 0 or an empty value and the caller goes on.
#pragma once

#include <QFont>
#include <QRect>
#include <optional>
#include <string>

class QLayoutItem;
class QScreen;
class QWidget;

// number * numerator / denominator rounded to the nearest, halves away from
// zero, on a 64-bit intermediate; -1 when denominator is 0.
int mulDiv(int number, int numerator, int denominator);

// Dialog units of one font: x px = dlu * BaseX / 4, y px = dlu * BaseY / 8.
struct DialogUnits {
    int BaseX = 4; // average width of the Latin letters, pixels
    int BaseY = 8; // font height, pixels

    int toPixelsX(int dlu) const { return mulDiv(dlu, BaseX, 4); }
    int toPixelsY(int dlu) const { return mulDiv(dlu, BaseY, 8); }
    int fromPixelsX(int px) const { return mulDiv(px, 4, BaseX); }
    int fromPixelsY(int px) const { return mulDiv(px, 8, BaseY); }
    QRect toPixels(const QRect& dlu) const {
        return QRect(toPixelsX(dlu.x()), toPixelsY(dlu.y()), toPixelsX(dlu.width()),
                     toPixelsY(dlu.height()));
    }
};

DialogUnits dialogUnits(const QFont& font);
DialogUnits dialogUnits(const QWidget* window); // of the window's font

// Frame metrics the window layouts are written against, in pixels.
struct WindowMetrics {
    int MinWindowWidth; // smallest outer size of a captioned window
    int MinWindowHeight;
    int CaptionHeight;      // title bar
    int DialogFrame;        // frame of a dialog, each side
    int MenuButtonHeight;   // a menu-bar button
    int CaptionButtonWidth; // a title-bar button
    int IconWidth;          // a message box icon
    int SmallIconWidth;     // the title bar's icon
};
WindowMetrics systemWindowMetrics();

// The parts of the desktop's non-client metrics the programs use.
struct NonClientMetrics {
    int CaptionButtonWidth = 0;
    QFont CaptionFont;
    QFont MessageFont;
};
// 1 on success; 0 (reported in a plain system box) without an application.
int myGetNonClientMetrics(NonClientMetrics& metrics);

// Version as major + minor / 100. There are no version resources here: the
// toolkit's own library (asked for under the desktop name "ComCtl32.dll")
// answers with the widget toolkit's runtime version, any other file with 0.
double myGetFileVersion(const std::string& fileName);
// The widget toolkit needs no registration of control classes; this answers
// its runtime version so callers that check a minimum keep working.
double myInitCommonControls(int classes = 0);
// The system's major version (the kernel's here), 0 when unknown; with an
// argument, whether the major version is at least that.
int myGetWindowsVersion();
bool myGetWindowsVersion(int atLeastMajor);

// |height| * 72 / dpi, rounded: the point size of a font of that pixel height.
int pointSizeFromHeight(int height, int dotsPerInch);

// The desktop's message font: face name trimmed and point size. 1 on
// success; 0 (reported) with "" and 0 when there is no screen to ask.
int mySuggestDefaultFont(std::string& faceName, int& pointSize);

// Fallback when no monitor contains the point or window.
enum MonitorFallback {
    MonitorDefaultToNull = 0,
    MonitorDefaultToPrimary = 1,
    MonitorDefaultToNearest = 2
};

QScreen* myMonitorFromPoint(int x, int y, int fallback);
QScreen* myMonitorFromWindow(const QWidget* window, int fallback);

struct MonitorInfo {
    QRect Monitor;
    QRect WorkArea;
    bool Primary = false;
};
int myGetMonitorInfo(QScreen* monitor, MonitorInfo& info);

// Work area of the monitor, or of the primary monitor when monitor is null.
// Nonzero on success; 0 when there is no screen at all.
int myGetWorkArea(QScreen* monitor, QRect& area);

// The largest size a top-level window may take in area: the area less the
// window manager's frame (the window's own once it has one, else the
// desktop's caption and borders).
QSize myRoomInWorkArea(const QWidget* window, const QRect& area);

// Sizes the window as wanted but never beyond myRoomInWorkArea; the
// window's minimum size gives way too, so that a maximized window fits.
int myFitWindowSize(QWidget* window, const QSize& wanted, const QRect& area);

// For a window whose content is larger than myRoomInWorkArea: the content
// (the window's layout, or its controls placed by hand) moves into a scroll
// area that fills the window, and the window takes the room it has. A
// window that fits is left as it is. below, an item of the window's layout
// (a row of buttons), stays out of the scroll area, under it, always in
// view. 1 when the content now scrolls.
int myScrollIntoWorkArea(QWidget* window, const QRect& area, QLayoutItem* below = nullptr);

// Moves the window (outer frame, size kept) the least that puts it inside
// area, its top left corner first.
int myKeepInsideWorkArea(QWidget* window, const QRect& area);

// Moves the window (outer frame, size kept, not activated) into area: centred
// without a percentage, else that share of the free width and height lies to
// its left and above it (negative free space moves it up and left).
int myPlaceWindow(QWidget* window, const QRect& area, std::optional<int> percent = std::nullopt);
