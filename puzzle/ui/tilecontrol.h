// The pieces and the target frame as the keyboard sees them: a tile that
// shows when it has the focus, and the frame that marks where a tile held
// with the keyboard would be dropped.
#pragma once

#include "toolkit/gui/picturecontrol.h"

// A tile piece: the picture, and over it a focus frame while it has the
// keyboard focus. It takes the focus from Tab only, so a mouse click (which
// starts a drag) leaves the focus where it was.
class TileControl : public PictureControl {
    Q_OBJECT
public:
    explicit TileControl(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// Drawn over the pieces; the mouse goes through it to what lies below.
class TargetFrame : public QWidget {
    Q_OBJECT
public:
    explicit TargetFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Both frames are dark enough for the pale yellow tiles and the white cells
// and the 8-bit display's white tiles alike; they differ in colour, width
// and place (the focus frame inside the tile, the target frame on the edge).
inline constexpr int FocusFrameInset = 6, FocusFrameWidth = 2, TargetFrameWidth = 4;
