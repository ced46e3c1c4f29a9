#include "toolkit/gui/metrics.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QLibraryInfo>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "toolkit/errorbox.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"

int mulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = (long long)number * numerator;
    const long long half = std::llabs((long long)denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs((long long)denominator);
    const long long result = negative ? -magnitude : magnitude;
    return int(std::clamp<long long>(result, INT_MIN, INT_MAX));
}

DialogUnits dialogUnits(const QFont& font) {
    // The desktop's dialog base unit: the average width of the 52 Latin
    // letters, rounded, and the font's height.
    const QFontMetrics fm(font);
    const int letters = fm.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogUnits units;
    units.BaseX = std::max(1, (letters / 26 + 1) / 2);
    units.BaseY = std::max(1, fm.height());
    return units;
}

DialogUnits dialogUnits(const QWidget* window) {
    return dialogUnits(window ? window->font() : QApplication::font());
}

WindowMetrics systemWindowMetrics() {
    const QStyle* style =
        qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
    const int titleBar = style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    WindowMetrics m;
    // The desktop's smallest captioned window; window managers have no
    // such figure to ask for.
    m.MinWindowWidth = 136;
    m.MinWindowHeight = 39;
    m.CaptionHeight = std::max(titleBar, 22);
    m.DialogFrame = 3;
    // A menu-bar button is a little lower than the caption; keeping the
    // difference of the desktop's figures keeps the box's margins even.
    m.MenuButtonHeight = m.CaptionHeight - 4;
    m.CaptionButtonWidth = m.CaptionHeight - 2;
    m.IconWidth = style ? style->pixelMetric(QStyle::PM_MessageBoxIconSize) : 32;
    m.SmallIconWidth = style ? style->pixelMetric(QStyle::PM_SmallIconSize) : 16;
    return m;
}

int myGetNonClientMetrics(NonClientMetrics& metrics) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        mySystemBox(nullptr,
                    "Failure in SystemParametersInfo, Result = 0\r\nFont = \r\n"
                    "Qt " QT_VERSION_STR "\r\nNCM structure size 344   cbSize passed 344",
                    errorBoxTitle(), 0x10);
        return 0;
    }
    metrics.CaptionButtonWidth = systemWindowMetrics().CaptionButtonWidth;
    metrics.CaptionFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    metrics.MessageFont = QGuiApplication::font();
    return 1;
}

namespace {
double versionNumber(int major, int minor) {
    return major + minor / 100.0;
}

double runtimeVersion() {
    const QVersionNumber version = QLibraryInfo::version();
    return versionNumber(version.majorVersion(), version.minorVersion());
}
} // namespace

double myGetFileVersion(const std::string& fileName) {
    return upperCase(fileName) == "COMCTL32.DLL" ? runtimeVersion() : 0.0;
}

double myInitCommonControls(int) {
    return myGetFileVersion("ComCtl32.dll");
}

int myGetWindowsVersion() {
    return int(leadingNumber(fromQString(QSysInfo::kernelVersion())));
}

bool myGetWindowsVersion(int atLeastMajor) {
    return myGetWindowsVersion() >= atLeastMajor;
}

int pointSizeFromHeight(int height, int dotsPerInch) {
    return mulDiv(std::abs(height), 72, dotsPerInch);
}

int mySuggestDefaultFont(std::string& faceName, int& pointSize) {
    faceName.clear();
    pointSize = 0;
    NonClientMetrics metrics;
    if (!myGetNonClientMetrics(metrics)) return 0;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        mySystemBox(nullptr, "Failure in mySuggestDefaultFont, GetDC returned null.",
                    errorBoxTitle(), 0x10);
        return 0;
    }
    faceName = trimSpaces(fromQString(metrics.MessageFont.family()));
    const QFont& font = metrics.MessageFont;
    if (font.pointSizeF() > 0)
        pointSize = int(roundHalfEven(font.pointSizeF()));
    else
        pointSize = pointSizeFromHeight(font.pixelSize(), qRound(screen->logicalDotsPerInchY()));
    return 1;
}

namespace {
QScreen* fallbackScreen(QPoint point, int fallback) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.isEmpty() || fallback == MonitorDefaultToNull) return nullptr;
    if (fallback == MonitorDefaultToPrimary) return QGuiApplication::primaryScreen();
    QScreen* nearest = nullptr;
    long long best = 0;
    for (QScreen* screen : screens) {
        const QRect r = screen->geometry();
        const long long dx = std::max({r.left() - point.x(), 0, point.x() - r.right()});
        const long long dy = std::max({r.top() - point.y(), 0, point.y() - r.bottom()});
        const long long distance = dx * dx + dy * dy;
        if (!nearest || distance < best) {
            nearest = screen;
            best = distance;
        }
    }
    return nearest;
}
} // namespace

QScreen* myMonitorFromPoint(int x, int y, int fallback) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    if (QScreen* screen = QGuiApplication::screenAt(QPoint(x, y))) return screen;
    return fallbackScreen(QPoint(x, y), fallback);
}

QScreen* myMonitorFromWindow(const QWidget* window, int fallback) {
    if (!window) return nullptr;
    const QRect frame = window->window()->frameGeometry();
    // The monitor holding the largest part of the window, as the desktop does.
    QScreen* best = nullptr;
    long long bestArea = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->geometry().intersected(frame);
        const long long area = common.isEmpty() ? 0 : (long long)common.width() * common.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best ? best : fallbackScreen(frame.center(), fallback);
}

int myGetMonitorInfo(QScreen* monitor, MonitorInfo& info) {
    if (!monitor) return 0;
    info.Monitor = monitor->geometry();
    info.WorkArea = monitor->availableGeometry();
    info.Primary = monitor == QGuiApplication::primaryScreen();
    return 1;
}

int myGetWorkArea(QScreen* monitor, QRect& area) {
    if (!monitor && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        monitor = QGuiApplication::primaryScreen();
    MonitorInfo info;
    if (!myGetMonitorInfo(monitor, info)) return 0;
    area = info.WorkArea;
    return 1;
}

QSize myRoomInWorkArea(const QWidget* window, const QRect& area) {
    QSize frame;
    if (window && window->frameGeometry().size() != window->size()) {
        frame = window->frameGeometry().size() - window->size();
    } else {
        const WindowMetrics m = systemWindowMetrics();
        frame = QSize(2 * m.DialogFrame, m.CaptionHeight + 2 * m.DialogFrame);
    }
    return (area.size() - frame).expandedTo(QSize(0, 0));
}

int myFitWindowSize(QWidget* window, const QSize& wanted, const QRect& area) {
    if (!window) return 0;
    const QSize room = myRoomInWorkArea(window, area);
    if (!area.isValid()) {
        window->resize(wanted);
        return 1;
    }
    const QSize minimum = window->minimumSize();
    if (minimum.width() > room.width() || minimum.height() > room.height())
        window->setMinimumSize(minimum.boundedTo(room));
    window->resize(wanted.boundedTo(room));
    return 1;
}

int myScrollIntoWorkArea(QWidget* window, const QRect& area, QLayoutItem* below) {
    if (!window || !area.isValid()) return 0;
    const QSize room = myRoomInWorkArea(window, area);
    QSize content = window->size();
    if (QLayout* layout = window->layout()) {
        content = content.expandedTo(layout->totalMinimumSize());
        if (layout->hasHeightForWidth())
            content.setHeight(std::max(content.height(),
                                       layout->totalMinimumHeightForWidth(std::min(content.width(), room.width()))));
    }
    if (content.width() <= room.width() && content.height() <= room.height()) return 0;

    auto* inner = new QWidget;
    const bool laidOut = window->layout() != nullptr;
    if (laidOut) {
        if (below) window->layout()->removeItem(below);
        // The layout and the controls it holds go over to the inner widget
        // (the toolkit keeps them shown or hidden as they were).
        inner->setLayout(window->layout());
    } else {
        for (QObject* child : window->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (!control || control->isWindow()) continue;
            const bool shown = !control->isHidden() || !control->testAttribute(Qt::WA_WState_ExplicitShowHide);
            control->setParent(inner);
            if (shown && window->isVisible()) control->show();
        }
        inner->setFixedSize(content);
    }
    auto* scroller = new QScrollArea(window);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(laidOut);
    scroller->setWidget(inner);
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* frame = new QVBoxLayout(window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroller, 1);
    if (laidOut && below) {
        frame->addItem(below);
        // The kept row has the margins the window's layout gave it.
        const QMargins m = inner->layout()->contentsMargins();
        frame->setContentsMargins(m.left(), 0, m.right(), m.bottom());
    }
    if (window->isVisible()) scroller->show();
    window->setMinimumSize(QSize(0, 0));
    window->resize(content.boundedTo(room));
    return 1;
}

int myKeepInsideWorkArea(QWidget* window, const QRect& area) {
    if (!window || !area.isValid()) return 0;
    const QRect frame = window->frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.left() + area.width() - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.top() + area.height() - frame.height()));
    if (x != frame.left() || y != frame.top()) window->move(x, y);
    return 1;
}

int myPlaceWindow(QWidget* window, const QRect& area, std::optional<int> percent) {
    if (!window) return 0;
    const QSize outer = window->frameGeometry().size();
    const int freeWidth = area.width() - outer.width();
    const int freeHeight = area.height() - outer.height();
    const int dx = percent ? freeWidth * *percent / 100 : freeWidth / 2;
    const int dy = percent ? freeHeight * *percent / 100 : freeHeight / 2;
    window->move(area.left() + dx, area.top() + dy);
    return 1;
}
