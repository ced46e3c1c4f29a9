// A graphic control that owns an off-screen picture and paints it, unscaled,
// over whatever the control's background is. Both programs' windows use it:
// logos, answer indicators, puzzle pieces, cell frames and signs.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

class PictureControl : public QWidget {
    Q_OBJECT
public:
    // Where the picture sits when it is not the control's own size.
    enum Placement { TopLeft, Centred };

    explicit PictureControl(QWidget* parent = nullptr, Placement placement = TopLeft);

    void setPicture(const QPixmap& picture);
    // Pictures drawn pixel by pixel arrive as images.
    void setPicture(const QImage& picture) { setPicture(QPixmap::fromImage(picture)); }
    const QPixmap& picture() const { return picture_; }
    Placement placement() const { return placement_; }

signals:
    // A left click released over the control (the logos open the about box).
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    Placement placement_;
};
