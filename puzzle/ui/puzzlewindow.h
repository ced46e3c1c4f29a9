// The puzzle's one window: file and diagram lists, the board's cells, pieces
// and signs, and the event handling that turns mouse and button actions into
// calls of the board and file-choice procedures.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "puzzle/board/board.h"
#include "puzzle/board/diagramselect.h"
#include "puzzle/board/tilekeys.h"
#include "puzzle/ui/tilerender.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/picturecontrol.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class InfoWindow;
class TargetFrame;

// Control ids.
inline constexpr int FileListId = 2000, DiagramListId = 2001, DescribeBoxId = 2002,
                     HighlightBoxId = 2003, SolveId = 2004, LanguageId = 2005, StartOverId = 2006,
                     DescriptionId = 2007, LogoId = 2008, GroupBoxId = 2009, OkFontHolderId = 2111,
                     TileFontHolderId = 2112, StatusLineId = 2329, OkSignId = 2351,
                     CrossedSignId = 2352, FirstCheckMarkId = 2600, FirstPieceId = 2900,
                     FirstCellFrameId = 2700;
// Menu ids.
inline constexpr int ExitMenuId = 2083, FrenchMenuId = 2084, LeftHandedMenuId = 2085,
                     CenterMenuId = 2086, HelpMenuId = 2088, AboutMenuId = 2089,
                     FontsMenuId = 2090;

class PuzzleWindow : public QMainWindow, public BoardView, public SelectionView {
    Q_OBJECT
public:
    // files: the diagram files found beside the program. The window is built
    // hidden; with one file, that file is read as soon as events run.
    PuzzleWindow(const PuzzleFiles& files, const QFont& dialogFont, QScreen* monitor = nullptr);
    ~PuzzleWindow() override;

    void attachToolTips();
    void setRandomSource(RandomSource random) { random_ = std::move(random); }

    // The state the window drives, for looking at from outside.
    const PuzzleFiles& files() const { return files_; }
    const Board& board() const { return board_; }
    const DialogUnits& units() const { return units_; }
    QWidget* client() const { return client_; }
    // Holds the client: it scrolls when the work area is smaller than the
    // client (large fonts on a small screen).
    QScrollArea* scroller() const { return scroller_; }
    PictureControl* piece(int p) const { return pieces_.at(static_cast<size_t>(p)); }
    QWidget* checkMark(int cell) const;
    PictureControl* cellFrame(int cell) const { return cells_.at(static_cast<size_t>(cell)); }
    // The piece showing tile t of the diagram on the board, nullptr when none.
    PictureControl* pieceOfTile(int t) const;
    QAction* menuAction(int id) const;
    QWidget* infoWindow(int k) const;
    QWidget* targetFrame() const;

    void setStatus(const std::string& text);
    void switchLanguage();
    void showInfoWindow(int k);
    std::string fontsReportText() const;

    // BoardView
    void showCellFrame(int32_t cell, bool shown) override;
    void showCheckMark(int32_t cell, bool shown) override;
    void showPiece(int32_t piece, bool shown) override;
    void movePiece(int32_t piece, int32_t left, int32_t top) override;
    void drawTileFace(int32_t piece, const Tile& tile) override;
    void clearTileFace(int32_t piece) override;
    void showOkSign(bool shown) override;
    void showCrossedOkSign(bool shown) override;
    void showTargetFrame(int32_t cell, int32_t homeSlot) override;

    // SelectionView
    void removeFileListEntry(int32_t position) override;
    void recordFileListPosition(int32_t position) override;
    void fillDiagramList(const std::vector<std::string>& names) override;
    void removeDiagramListEntry(int32_t position) override;
    void selectDiagramListEntry(int32_t position) override;
    void recordDiagramListPosition(int32_t position) override;
    void postDiagramChosen() override;
    void enableSolveAndStartOver(bool enabled) override;
    void enableDiagramList(bool enabled) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    QRect dlu(int x, int y, int w, int h) const;
    template <class T>
    T* control(int id, const QRect& dluRect);
    void onFileChosen();
    void onDiagramChosen();
    void toggleLanguage();
    void showFontsReport();
    void ensureTileFont();
    void buttonDown(QPoint at);
    void mouseMoved(QPoint at);
    void buttonUp();
    void describeTile(int piece);
    int pieceIndex(const QObject* widget) const;
    // The keyboard and the screen reader (boardkeys.cpp).
    void buildKeyboard();
    bool tileKey(int piece, int key);
    bool diagramListKey(int key);
    void tileFocusChanged(int piece, QEvent* event);
    void announce(int piece, const std::string& text);
    void scheduleAccessRefresh();
    void refreshAccess();

    PuzzleFiles files_;
    Board board_;
    DragState drag_;
    RandomSource random_;
    DialogUnits units_;
    TileColours colours_;
    std::optional<TileFonts> tileFonts_;
    QFont okSignFont_;
    QCursor hands_[2];

    QWidget* client_ = nullptr;
    QScrollArea* scroller_ = nullptr;
    QComboBox* fileList_ = nullptr;
    QComboBox* diagramList_ = nullptr;
    QCheckBox* describeBox_ = nullptr;
    QCheckBox* highlightBox_ = nullptr;
    QPushButton* solve_ = nullptr;
    QPushButton* language_ = nullptr;
    QPushButton* startOver_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* okFontHolder_ = nullptr;
    QLabel* tileFontHolder_ = nullptr;
    QGroupBox* group_ = nullptr;
    PictureControl* logo_ = nullptr;
    PictureControl* okSign_ = nullptr;
    PictureControl* crossedSign_ = nullptr;
    std::array<QLabel*, CellCount + 1> checkMarks_{};
    std::array<PictureControl*, CellCount + 1> cells_{};
    std::array<PictureControl*, PieceCount + 1> pieces_{};
    std::array<QMenu*, 3> menus_{};
    std::array<std::array<QAction*, 5>, 3> menuItems_{};
    std::array<QPointer<InfoWindow>, 3> infoWindows_;

    int fileListPosition_ = 0;
    int diagramListPosition_ = 0;
    QPointer<QWidget> describedTile_;
    TargetFrame* targetFrame_ = nullptr;
    bool accessRefreshPending_ = false;
};
