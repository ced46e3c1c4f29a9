// Proportional resizing: each registered control remembers its first place
// and size and a rule for following the window; every size change recomputes
// all of them from that registration (no drift) and moves them together.
#pragma once

#include <QPointer>
#include <QSize>
#include <array>
#include <vector>

class QWidget;

// Rule flags.
inline constexpr int RsFixed = 1, RsWidth = 2, RsHeight = 4, RsMoveX = 8, RsMoveY = 16,
                     RsCentreX = 32, RsCentreY = 64, RsKeepBottom = 2048, RsKeepRight = 8192,
                     RsKeepOffsetFromMiddleX = 16384, RsKeepOffsetFromMiddleY = 32768;

struct ResizeControl {
    int ControlId = 0;
    int Flags = 0;
    QPointer<QWidget> Control;
    // As registered, pixels; x and y hold the kept distance for the
    // right/bottom/middle rules.
    int X = 0, Y = 0, Width = 0, Height = 0;
    int WidthPercent = 0, HeightPercent = 0, XMovePercent = 0, YMovePercent = 0;
    int Repaint = 0;
    std::array<int, 3> Further{}; // kept only when all three are nonzero
};

struct ResizeState {
    QWidget* Window = nullptr;
    QSize InitialClient;
    QSize InitialWindowDlu;
    QSize InitialWindowPixels;
    // The block of records: Records.size() is the capacity, Count in use.
    std::vector<ResizeControl> Records;
    bool HasBlock = false;
    int Count = 0;
    QSize ReferenceClient;
    QSize CurrentClient;
    QSize SizeChange;

    int capacity() const { return int(Records.size()); }
};

inline constexpr int ResizeFirstCapacity = 50;
inline constexpr int ResizeGrowth = 20;

void myResizeInit(QWidget* window, ResizeState& state);
// 1 when registered (or already registered: the first registration stays);
// 0 when the window has no control of that id or the state has no block.
int myResizeAddControl(ResizeState& state, int controlId, int flags, int widthPercent,
                       int heightPercent, int repaint, int xMovePercent, int yMovePercent,
                       int further1 = 0, int further2 = 0, int further3 = 0);
// Re-lays out every registered control, or only the one of controlId.
void myResizeOnSize(ResizeState& state, int controlId = 0);
void myResizeFree(ResizeState& state);
