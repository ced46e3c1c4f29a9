// Helpers of the puzzle's window tests and screenshots: a window over a
// folder of diagram files, and drags made of real mouse events.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QMouseEvent>
#include <QTest>
#include <memory>
#include <string>

#include "puzzle/diagram/diagramfile.h"
#include "puzzle/ui/puzzlewindow.h"
#include "puzzle/ui/tilerender.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/uicontext.h"

inline const char* TestFace = "DejaVu Sans";

// A window over the diagram files of folder, shown, with its first queued
// work (reading a lone file, setting up a lone diagram) done.
inline std::unique_ptr<PuzzleWindow> openPuzzle(const std::string& folder, int language = 0) {
    uiContext().ProgramName = "Ostrilon";
    uiContext().InterfaceLanguage = language;
    measureLabelsWithTileFonts();
    PuzzleFiles files;
    files.ProgramFolder = folder;
    files.TileFontName = TestFace;
    findDiagramFiles(files);
    QFont font(QString::fromLatin1(TestFace));
    font.setPointSize(9);
    auto window = std::make_unique<PuzzleWindow>(files, font);
    window->show();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    return window;
}

inline void sendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(target->mapToGlobal(local)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Grabs the piece at its middle and lets it go with its top left corner at
// corner (client pixels), moving in a few steps as a hand would.
inline void dragPiece(QWidget* piece, QPoint corner, int steps = 4) {
    const QPoint grip(piece->width() / 2, piece->height() / 2);
    sendMouse(piece, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    const QPoint start = piece->pos();
    for (int i = 1; i <= steps; ++i) {
        const QPoint wanted = start + (corner - start) * i / steps;
        // The piece moves under the mouse: aim in its current coordinates.
        sendMouse(piece, QEvent::MouseMove, wanted - piece->pos() + grip, Qt::LeftButton);
    }
    sendMouse(piece, QEvent::MouseButtonRelease, corner - piece->pos() + grip, Qt::NoButton);
}

inline QPoint cellCorner(const PuzzleWindow& window, int cell) {
    const BoardCell& c = window.board().Cells[static_cast<size_t>(cell)];
    return {window.units().toPixelsX(c.Left), window.units().toPixelsY(c.Top)};
}

inline QPoint homeCorner(const PuzzleWindow& window, int slot) {
    const HomeSlot& h = window.board().HomeSlots[static_cast<size_t>(slot)];
    return {window.units().toPixelsX(h.Left), window.units().toPixelsY(h.Top)};
}

inline const Tile& tileOf(const PuzzleWindow& window, int t) {
    const PuzzleFiles& f = window.files();
    return f.Tables.Tiles[static_cast<size_t>(f.SelectedDiagram)][static_cast<size_t>(t)];
}

inline int tileCount(const PuzzleWindow& window) {
    const PuzzleFiles& f = window.files();
    return f.Tables.Diagrams[static_cast<size_t>(f.SelectedDiagram)].TileCount;
}

template <class T>
T* controlOf(const PuzzleWindow& window, int id) {
    return window.findChild<T*>(QStringLiteral("c%1").arg(id));
}

// Picks an entry of a list as a user would: selects it and confirms it.
inline void chooseEntry(const PuzzleWindow& window, int listId, int index) {
    QComboBox* list = controlOf<QComboBox>(window, listId);
    list->setCurrentIndex(index);
    emit list->activated(index);
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

inline int freeHomeSlot(const PuzzleWindow& window) {
    for (int s = 1; s <= HomeSlotCount; ++s)
        if (!window.board().HomeSlots[static_cast<size_t>(s)].Occupied) return s;
    return 0;
}
