#include "puzzle/ui/tilecontrol.h"

#include <QPainter>
#include <QPen>

namespace {

// A solid line of the given colour with a white line inside it, so that it
// stands out against a dark face as well.
void drawFrame(QWidget* widget, int inset, int width, const QColor& colour) {
    QPainter painter(widget);
    const QRect outer = widget->rect().adjusted(inset, inset, -inset, -inset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRegion ring =
        QRegion(outer).subtracted(QRegion(outer.adjusted(width, width, -width, -width)));
    painter.setClipRegion(ring);
    painter.drawRect(outer);
    painter.setClipping(false);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outer.adjusted(width, width, -width - 1, -width - 1));
}

} // namespace

TileControl::TileControl(QWidget* parent) : PictureControl(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void TileControl::paintEvent(QPaintEvent* event) {
    PictureControl::paintEvent(event);
    if (hasFocus()) drawFrame(this, FocusFrameInset, FocusFrameWidth, QColor(0, 0, 0));
}

void TileControl::focusInEvent(QFocusEvent* event) {
    PictureControl::focusInEvent(event);
    update();
}

void TileControl::focusOutEvent(QFocusEvent* event) {
    PictureControl::focusOutEvent(event);
    update();
}

TargetFrame::TargetFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void TargetFrame::paintEvent(QPaintEvent*) {
    drawFrame(this, 0, TargetFrameWidth, QColor(220, 0, 0));
}
