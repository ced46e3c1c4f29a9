// The puzzle window's pointer side: a tile dragged with the mouse, the tile
// description under the pointer, and the one event filter that sends a
// tile's keys, focus and mouse events where they belong (the keys to the
// keyboard model in boardkeys.cpp).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/tilecontrol.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"

int PuzzleWindow::pieceIndex(const QObject* widget) const {
    for (int p = 1; p <= PieceCount; ++p)
        if (pieces_[static_cast<size_t>(p)] == widget) return p;
    return 0;
}

bool PuzzleWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == diagramList_ && event->type() == QEvent::KeyPress)
        return diagramListKey(static_cast<QKeyEvent*>(event)->key());
    const int p = pieceIndex(watched);
    if (watched == client_ && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (drag_.Dragging) {
            mouseMoved(at);
        } else if (!client_->childAt(at) && describedTile_) {
            description_->clear();
            describedTile_ = nullptr;
        }
        return false;
    }
    if (p == 0) return QMainWindow::eventFilter(watched, event);

    auto* piece = pieces_[static_cast<size_t>(p)];
    switch (event->type()) {
    case QEvent::KeyPress:
        return tileKey(p, static_cast<QKeyEvent*>(event)->key());
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        tileFocusChanged(p, event);
        break;
    case QEvent::Enter:
        describeTile(p);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a quick second press: a press all the same
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = piece->mapTo(client_, mouse->position().toPoint());
        if (event->type() == QEvent::MouseMove) {
            describeTile(p);
            mouseMoved(at);
        } else if (mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonRelease) buttonUp();
            else buttonDown(at);
        }
        return true;
    }
    default:
        break;
    }
    return false;
}

void PuzzleWindow::describeTile(int piece) {
    QWidget* widget = pieces_[static_cast<size_t>(piece)];
    if (!describeBox_->isChecked() || describedTile_ == widget) return;
    const int d = files_.SelectedDiagram;
    const int t = board_.Pieces[static_cast<size_t>(piece)].TileNumber;
    if (d >= 1 && d <= files_.Tables.DiagramCount && t >= 1 && t <= MaxTilesPerDiagram)
        description_->setText(toQString(
            trimBlanks(files_.Tables.Tiles[static_cast<size_t>(d)][static_cast<size_t>(t)].Description)));
    describedTile_ = widget;
}

void PuzzleWindow::buttonDown(QPoint at) {
    const int p = pieceIndex(client_->childAt(at));
    if (p == 0 || drag_.Dragging) return;
    // The mouse takes over from a tile held with the keyboard.
    dropBackHeldTile(board_, *this);
    PictureControl* piece = pieces_[static_cast<size_t>(p)];
    QApplication::setOverrideCursor(hands_[board_.LeftHanded ? 1 : 0]);
    drag_.Dragging = true;
    drag_.DraggedPiece = p;
    drag_.DragLimitX = client_->width() - piece->width();
    drag_.DragLimitY = client_->height() - piece->height();
    drag_.LastMouseX = at.x();
    drag_.LastMouseY = at.y();
    piece->raise();
}

void PuzzleWindow::mouseMoved(QPoint at) {
    if (!drag_.Dragging) return;
    PictureControl* piece = pieces_[static_cast<size_t>(drag_.DraggedPiece)];
    int x = 0, y = 0;
    if (dragMove(drag_, piece->x(), piece->y(), at.x(), at.y(), x, y)) {
        piece->move(x, y);
        piece->repaint();
    }
}

void PuzzleWindow::buttonUp() {
    if (!drag_.Dragging) return;
    const int p = drag_.DraggedPiece;
    PictureControl* piece = pieces_[static_cast<size_t>(p)];
    piece->update();
    QApplication::restoreOverrideCursor();
    drag_.Dragging = false;
    dropTile(board_, files_, *this, p, units_.fromPixelsX(piece->x()), units_.fromPixelsY(piece->y()));
    // Check marks stay visible over the pieces.
    piece->stackUnder(checkMarks_[CellCount]);
}
