#include "toolkit/gui/picturecontrol.h"

#include <QMouseEvent>
#include <QPainter>

PictureControl::PictureControl(QWidget* parent, Placement placement)
    : QWidget(parent), placement_(placement) {}

void PictureControl::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QPoint at = placement_ == Centred
                          ? QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2)
                          : QPoint(0, 0);
    painter.drawPixmap(at, picture_);
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
