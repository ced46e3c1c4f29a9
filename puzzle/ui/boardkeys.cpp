// The puzzle window's keyboard and screen-reader side: keys on a focused
// tile go to the board's keyboard model, the target frame shows where a held
// tile would land, and tiles, cells and signs carry accessible names in the
// interface language.
//
// Announcements: what a key did is said through the window's announcer
// (announcer.h tells why that channel), and also becomes the accessible
// description of the focused tile, for tools that read descriptions. A tile
// gets its own description back when it gains the focus again.
#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "puzzle/ui/boardspeech.h"
#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/tilecontrol.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/qtext.h"

namespace {

std::optional<TileKey> tileKeyOf(int key) {
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TileKey::Take;
    case Qt::Key_Left:
        return TileKey::Left;
    case Qt::Key_Right:
        return TileKey::Right;
    case Qt::Key_Up:
        return TileKey::Up;
    case Qt::Key_Down:
        return TileKey::Down;
    case Qt::Key_Escape:
        return TileKey::Cancel;
    default:
        return std::nullopt;
    }
}

} // namespace

void PuzzleWindow::buildKeyboard() {
    targetFrame_ = new TargetFrame(client_);
    targetFrame_->hide();

    installAnnouncer(this);

    // Function keys, so that no caption has to change for a mnemonic; they
    // work wherever the focus is in the window, a held tile included. The
    // focus stays where it was (a click would leave it on the button or
    // on the next control), and what the key did is said.
    const struct {
        int key;
        QAbstractButton* button;
        int said;  // 0: the highlight box's new state
    } keys[] = {{Qt::Key_F5, startOver_, StartOverDone},
                {Qt::Key_F6, solve_, SolvedDone},
                {Qt::Key_F7, highlightBox_, 0}};
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(QKeySequence(k.key), this);
        QAbstractButton* button = k.button;
        const int said = k.said;
        connect(shortcut, &QShortcut::activated, button, [this, button, said] {
            if (!button->isEnabled()) return;
            QPointer<QWidget> focused = focusWidget();
            const bool onTile =
                std::find(pieces_.begin(), pieces_.end(), focused.data()) != pieces_.end();
            button->click();
            const int text = said ? said : button->isChecked() ? HighlightOn : HighlightOff;
            // After what the click left queued (tiles shown anew, names):
            // a tile hidden then takes the focus with it to the next control.
            QTimer::singleShot(0, this, [this, focused, onTile, text] {
                auto takes = [](QWidget* w) {
                    return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
                };
                // Solving shows the tiles anew: the one that had the focus
                // may be gone, and the board's first tile takes it.
                QWidget* back = focused;
                if (!takes(back) && onTile) {
                    const auto tile = std::find_if(pieces_.begin(), pieces_.end(), takes);
                    back = tile != pieces_.end() ? *tile : nullptr;
                }
                if (takes(back)) back->setFocus(Qt::ShortcutFocusReason);
                ::announce(this, toQString(speechText(text)), true);
            });
        });
    }
}

QWidget* PuzzleWindow::targetFrame() const {
    return targetFrame_;
}

void PuzzleWindow::showTargetFrame(int32_t cell, int32_t homeSlot) {
    QRect at;
    if (cell >= 1 && cell <= CellCount) {
        const BoardCell& c = board_.Cells[static_cast<size_t>(cell)];
        at = dlu(c.Left, c.Top, CellWidth, CellHeight);
    } else if (homeSlot >= 1 && homeSlot <= HomeSlotCount) {
        const HomeSlot& s = board_.HomeSlots[static_cast<size_t>(homeSlot)];
        at = dlu(s.Left, s.Top, CellWidth, CellHeight);
    }
    if (at.isNull()) {
        targetFrame_->hide();
        return;
    }
    targetFrame_->setGeometry(at);
    targetFrame_->raise();
    targetFrame_->show();
}

bool PuzzleWindow::tileKey(int piece, int key) {
    const std::optional<TileKey> tileKey = tileKeyOf(key);
    if (!tileKey || drag_.Dragging) return false;
    const KeyResult result = pressTileKey(board_, files_, *this, piece, *tileKey);
    if (result.News == KeyNews::Nothing) return false;
    refreshAccess();
    announce(piece, keyAnnouncement(board_, files_, result));
    return true;
}

void PuzzleWindow::tileFocusChanged(int piece, QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    QWidget* tile = pieces_[static_cast<size_t>(piece)];
    if (event->type() == QEvent::FocusIn) {
        tile->setAccessibleDescription(toQString(tileDescription(board_, files_, piece)));
        // The description area follows the keyboard as it follows the mouse:
        // whichever moved last names the tile described.
        describeTile(piece);
        return;
    }
    // Leaving the held tile (Tab, a click elsewhere) puts it back; the window
    // losing the focus to another one does not.
    if (board_.Held.Piece == piece && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason)
        dropBackHeldTile(board_, *this);
}

void PuzzleWindow::announce(int piece, const std::string& text) {
    QWidget* tile = pieces_[static_cast<size_t>(piece)];
    const QString said = toQString(text);
    // The same words twice would be no change for a tool that reads it.
    if (tile->accessibleDescription() == said) tile->setAccessibleDescription(QString());
    tile->setAccessibleDescription(said);
    ::announce(this, said);
}

void PuzzleWindow::scheduleAccessRefresh() {
    if (accessRefreshPending_) return;
    accessRefreshPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { refreshAccess(); }, Qt::QueuedConnection);
}

namespace {

// Qt reports every name or description set, changed or not; eighty cells
// and a row of tiles renamed at each key kept a screen reader busy long
// enough to delay what the key did.
void setNameIfChanged(QWidget* widget, const std::string& name) {
    const QString text = toQString(name);
    if (widget->accessibleName() != text) widget->setAccessibleName(text);
}

void setDescriptionIfChanged(QWidget* widget, const std::string& description) {
    const QString text = toQString(description);
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

void PuzzleWindow::refreshAccess() {
    accessRefreshPending_ = false;
    for (int c = 1; c <= CellCount; ++c)
        setNameIfChanged(cells_[static_cast<size_t>(c)], cellName(board_, files_, c));

    // Tab order: the controls, then the tiles on the board cell by cell, then
    // those at home slot by slot. Blank pieces take no focus.
    std::vector<QWidget*> order = {fileList_, diagramList_, describeBox_, highlightBox_,
                                   solve_,    language_,    startOver_};
    std::vector<QWidget*> atHome;
    for (int c = 1; c <= CellCount; ++c)
        if (const int p = pieceInCell(board_, c)) order.push_back(pieces_[static_cast<size_t>(p)]);
    for (int s = 1; s <= HomeSlotCount; ++s)
        for (int p = 1; p <= PieceCount; ++p) {
            const TilePiece& piece = board_.Pieces[static_cast<size_t>(p)];
            if ((piece.Presence & 1) && piece.Cell == 0 && piece.Home == s)
                order.push_back(pieces_[static_cast<size_t>(p)]);
        }
    for (int p = 1; p <= PieceCount; ++p) {
        QWidget* tile = pieces_[static_cast<size_t>(p)];
        const std::string label = tileLabel(board_, files_, p);
        tile->setFocusPolicy(label.empty() ? Qt::NoFocus : Qt::TabFocus);
        setNameIfChanged(tile, tileName(board_, files_, p));
        if (!tile->hasFocus()) setDescriptionIfChanged(tile, tileDescription(board_, files_, p));
    }
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    setNameIfChanged(okSign_, speechText(OkSignName));
    setNameIfChanged(crossedSign_, speechText(CrossedSignName));
}

// The diagram list offers its prompt after the diagrams, as its last item:
// Down from the prompt would find nothing, so it goes to the first diagram.
bool PuzzleWindow::diagramListKey(int key) {
    const int count = diagramList_->count();
    const bool onPrompt = files_.ShownDiagram == 0 && count > files_.Tables.DiagramCount &&
                          diagramList_->currentIndex() == count - 1;
    if (key != Qt::Key_Down || !onPrompt || files_.Tables.DiagramCount < 1) return false;
    diagramList_->setCurrentIndex(0);
    onDiagramChosen();
    return true;
}
