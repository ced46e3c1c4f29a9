#include "puzzle/ui/puzzlewindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include "puzzle/ui/fontsreport.h"
#include "puzzle/ui/infowindow.h"
#include "puzzle/ui/puzzletexts.h"
#include "puzzle/ui/tilecontrol.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/listchoice.h"
#include "toolkit/gui/menukey.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/qttranslations.h"
#include "toolkit/masks.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

namespace {
constexpr int ClientWidth = 512, ClientHeight = 336;

// The control's size for a picture: its size in dialog units rounded up to
// the next multiple (a size already on a multiple moves up too).
int roundUpPast(int value, int multiple) { return (value / multiple + 1) * multiple; }

// Frames, lines, signs and plain labels take no part in the pointer's
// doings: over them the pointer is over the window itself (the tile
// description clears, the status-line hint goes blank).
void passPointerThrough(QWidget* widget) { widget->setAttribute(Qt::WA_TransparentForMouseEvents); }

// As large as the client it holds (the toolkit's own hint stops at a few
// dozen lines of text).
class ClientScroller : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int f = 2 * frameWidth();
        return widget() ? widget()->size() + QSize(f, f) : QScrollArea::sizeHint();
    }
};
}  // namespace

PuzzleWindow::PuzzleWindow(const PuzzleFiles& files, const QFont& dialogFont, QScreen* monitor)
    : files_(files), random_(defaultRandomSource()) {
    setFont(dialogFont);
    units_ = dialogUnits(dialogFont);
    setWindowTitle(QStringLiteral("Ostrilon"));
    setWindowIcon(QIcon(QStringLiteral(":/puzzle/ProgIcon.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildMenus();
    installMenuKey(this);
    buildControls();
    hands_[0] = QCursor(QPixmap(QStringLiteral(":/puzzle/HandR.png")), 6, 8);
    hands_[1] = QCursor(QPixmap(QStringLiteral(":/puzzle/HandL.png")), 25, 8);

    // The whole client when the work area has room for it; else the window
    // fills the work area and the client scrolls. Never larger than the
    // client: a maximized window stays at that size.
    QSize whole = sizeHint();
    QRect area;
    if (myGetWorkArea(monitor, area)) {
        // A scroll bar one way takes room the other way.
        const QSize room = myRoomInWorkArea(this, area);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
        const QSize client = whole;
        if (client.height() > room.height()) whole.rwidth() += bar;
        if (client.width() > room.width()) whole.rheight() += bar;
        setMaximumSize(whole);
        myFitWindowSize(this, whole, area);
        myPlaceWindow(this, area, 30);
    } else {
        setMaximumSize(whole);
        resize(whole);
    }

    installWindowErrorBox(this, [] { return otherText(4); });
    statusSink() = [this](const std::string& text) { setStatus(text); };

    if (files_.DiagramFileCount == 1)
        QMetaObject::invokeMethod(this, [this] { onFileChosen(); }, Qt::QueuedConnection);
}

PuzzleWindow::~PuzzleWindow() {
    statusSink() = nullptr;
    errorBoxPort().windowBox = nullptr;
    if (QApplication::overrideCursor() && drag_.Dragging) QApplication::restoreOverrideCursor();
}

QRect PuzzleWindow::dlu(int x, int y, int w, int h) const {
    return units_.toPixels(QRect(x, y, w, h));
}

// Each control made goes under the ones made before it, as dialog controls
// stack: check marks, made first, stay above the pieces.
template <class T>
T* PuzzleWindow::control(int id, const QRect& dluRect) {
    T* widget = new T(client_);
    setControlId(widget, id);
    widget->setGeometry(units_.toPixels(dluRect));
    widget->lower();
    return widget;
}

void PuzzleWindow::buildMenus() {
    const int ids[3][5] = {{0, ExitMenuId, 0, 0, 0},
                           {0, FrenchMenuId, LeftHandedMenuId, CenterMenuId, 0},
                           {0, HelpMenuId, FontsMenuId, -1, AboutMenuId}};
    for (int m = 0; m < 3; ++m) {
        menus_[m] = menuBar()->addMenu(toQString(menuText(m, 0)));
        for (int i = 1; i <= 4; ++i) {
            if (ids[m][i] == 0) continue;
            QAction* action =
                ids[m][i] < 0 ? menus_[m]->addSeparator() : menus_[m]->addAction(toQString(menuText(m, i)));
            action->setProperty("id", ids[m][i]);
            menuItems_[m][i] = action;
        }
    }
    QAction* french = menuAction(FrenchMenuId);
    french->setCheckable(true);
    french->setChecked(uiContext().InterfaceLanguage == 1);
    menuAction(LeftHandedMenuId)->setCheckable(true);
    QAction* center = menuAction(CenterMenuId);
    center->setCheckable(true);
    center->setChecked(board_.CenterDiagrams);
    menuAction(FontsMenuId)->setEnabled(false);

    connect(menuAction(ExitMenuId), &QAction::triggered, this, &QWidget::close);
    connect(french, &QAction::triggered, this, [this] { toggleLanguage(); });
    connect(menuAction(LeftHandedMenuId), &QAction::toggled, this,
            [this](bool on) { board_.LeftHanded = on; });
    connect(center, &QAction::toggled, this, [this](bool on) { board_.CenterDiagrams = on; });
    connect(menuAction(HelpMenuId), &QAction::triggered, this, [this] { showInfoWindow(HelpWindow); });
    connect(menuAction(AboutMenuId), &QAction::triggered, this, [this] { showInfoWindow(AboutWindow); });
    connect(menuAction(FontsMenuId), &QAction::triggered, this, [this] { showFontsReport(); });
}

void PuzzleWindow::buildControls() {
    client_ = new QWidget(this);
    client_->setFixedSize(units_.toPixelsX(ClientWidth), units_.toPixelsY(ClientHeight));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    scroller_ = new ClientScroller(this);
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setWidget(client_);
    scroller_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(scroller_);
    // The control the keyboard reaches is brought into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && client_->isAncestorOf(now)) scroller_->ensureWidgetVisible(now);
    });

    const QPixmap check(QStringLiteral(":/puzzle/ChkMrk.bmp"));
    for (int c = 1; c <= CellCount; ++c) {
        const BoardCell& cell = board_.Cells[static_cast<size_t>(c)];
        QLabel* mark = control<QLabel>(FirstCheckMarkId + c, QRect(cell.Left + 45, cell.Top, 0, 0));
        mark->setPixmap(check);
        mark->resize(check.size());
        // A click on a check mark is meant for the piece under it.
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
        checkMarks_[static_cast<size_t>(c)] = mark;
    }

    colours_ = tileColours(displayDepth());

    for (int p = 1; p <= PieceCount; ++p) {
        const HomeSlot& slot = board_.HomeSlots[static_cast<size_t>(p)];
        auto* piece = control<TileControl>(FirstPieceId + p, QRect(slot.Left, slot.Top, CellWidth, CellHeight));
        piece->setPicture(newSurface(piece->size(), colours_.Background));
        piece->setMouseTracking(true);
        piece->installEventFilter(this);
        piece->hide();
        pieces_[static_cast<size_t>(p)] = piece;
    }

    fileList_ = control<QComboBox>(FileListId, QRect(4, 10, 128, 14));
    for (int i = 1; i <= files_.DiagramFileCount; ++i)
        fileList_->addItem(toQString(trimSpaces(files_.Files[static_cast<size_t>(i)].DisplayName)));
    if (files_.DiagramFileCount >= 2) fileList_->addItem(toQString(captionText(FileListId)));
    fileListPosition_ = files_.DiagramFileCount >= 2 ? files_.DiagramFileCount + 1 : 1;
    fileList_->setCurrentIndex(fileListPosition_ - 1);
    confirmListChoice(
        fileList_, [this] { onFileChosen(); },
        [this] { return fileListPosition_ == files_.DiagramFileCount + 1 && fileList_->count() > files_.DiagramFileCount; });

    diagramList_ = control<QComboBox>(DiagramListId, QRect(134, 10, 134, 14));
    diagramList_->setMaxVisibleItems(11);
    diagramList_->setEnabled(false);
    connect(diagramList_, &QComboBox::activated, this, [this] { onDiagramChosen(); });
    diagramList_->installEventFilter(this);

    describeBox_ = control<QCheckBox>(DescribeBoxId, QRect(276, 0, 100, 14));
    describeBox_->setChecked(true);
    highlightBox_ = control<QCheckBox>(HighlightBoxId, QRect(276, 16, 100, 14));
    connect(highlightBox_, &QCheckBox::clicked, this,
            [this](bool on) { setHighlight(board_, files_, *this, on); });

    solve_ = control<QPushButton>(SolveId, QRect(382, 10, 50, 14));
    solve_->setEnabled(false);
    connect(solve_, &QPushButton::clicked, this, [this] {
        if (files_.SelectedDiagram != 0) solveBoard(board_, files_, *this);
    });
    language_ = control<QPushButton>(LanguageId, QRect(436, 10, 40, 14));
    connect(language_, &QPushButton::clicked, this, [this] { toggleLanguage(); });

    for (int c = 1; c <= CellCount; ++c) {
        const BoardCell& cell = board_.Cells[static_cast<size_t>(c)];
        auto* frame = control<PictureControl>(FirstCellFrameId + c, QRect(cell.Left, cell.Top, CellWidth, CellHeight));
        frame->setPicture(drawCellFrame(frame->size()));
        passPointerThrough(frame);
        frame->hide();
        cells_[static_cast<size_t>(c)] = frame;
    }

    description_ = control<QLabel>(DescriptionId, QRect(6, 186, 496, 20));
    description_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    description_->setAutoFillBackground(true);
    description_->setStyleSheet(QStringLiteral("background: white; color: black;"));
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QImage logo(QStringLiteral(":/puzzle/Logo2.bmp"));
    const int logoW = roundUpPast(units_.fromPixelsX(logo.width()), 4);
    const int logoH = roundUpPast(units_.fromPixelsY(logo.height()), 8);
    logo_ = new PictureControl(client_, PictureControl::Centred);
    setControlId(logo_, LogoId);
    logo_->setGeometry(dlu(30 - logoW / 2, 259 - logoH / 2, logoW, logoH));
    logo_->lower();
    logo_->setPicture(logo);
    logo_->setCursor(Qt::PointingHandCursor);
    connect(logo_, &PictureControl::clicked, this, [this] { showInfoWindow(AboutWindow); });

    okSign_ = control<PictureControl>(OkSignId, QRect(448, 216, 44, 32));
    crossedSign_ = control<PictureControl>(CrossedSignId, QRect(448, 216, 44, 32));
    const int innerWidth = okSign_->width() - 1;
    okSignFont_ = puzzleFont(files_.TileFontName, fitOkSignPoints(files_.TileFontName, innerWidth), true);
    const QColor face = palette().color(QPalette::Window);
    okSign_->setPicture(drawOkSign(okSign_->size(), false, okSignFont_, face));
    crossedSign_->setPicture(drawOkSign(crossedSign_->size(), true, okSignFont_, face));
    okSign_->hide();
    crossedSign_->hide();
    passPointerThrough(okSign_);
    passPointerThrough(crossedSign_);

    startOver_ = control<QPushButton>(StartOverId, QRect(443, 250, 54, 14));
    startOver_->setEnabled(false);
    connect(startOver_, &QPushButton::clicked, this,
            [this] { startOver(files_, board_, *this, random_); });

    group_ = control<QGroupBox>(GroupBoxId, QRect(2, 0, 270, 26));
    passPointerThrough(group_);

    const struct { int id; QRect at; QFrame::Shape shape; } lines[] = {
        {2150, QRect(62, 216, 1, 90), QFrame::VLine},
        {2152, QRect(434, 216, 1, 90), QFrame::VLine},
        {2153, QRect(2, 32, 508, 1), QFrame::HLine}};
    for (const auto& l : lines) {
        QFrame* line = control<QFrame>(l.id, l.at);
        line->setFrameStyle(l.shape | QFrame::Sunken);
        // A one-unit line needs a pixel or two to show its sunken edge.
        line->resize(std::max(line->width(), 2), std::max(line->height(), 2));
        passPointerThrough(line);
    }

    status_ = control<QLabel>(StatusLineId, QRect(4, ClientHeight - 8, ClientWidth - 8, 8));
    passPointerThrough(status_);
    okFontHolder_ = control<QLabel>(OkFontHolderId, QRect(ClientWidth + 10, 0, 10, 10));
    okFontHolder_->setFont(okSignFont_);
    tileFontHolder_ = control<QLabel>(TileFontHolderId, QRect(ClientWidth + 20, 0, 10, 10));

    buildKeyboard();
    switchLanguage();
    language_->setText(toQString(captionField(captionText(LanguageId), uiContext().InterfaceLanguage + 1)));
}

void PuzzleWindow::attachToolTips() {
    toolTipState().ToolTipsAvailable = true;
    myAddToolTips(client_, puzzleTexts().ToolTips);
}

QWidget* PuzzleWindow::checkMark(int cell) const { return checkMarks_.at(static_cast<size_t>(cell)); }

PictureControl* PuzzleWindow::pieceOfTile(int t) const {
    for (int p = 1; p <= PieceCount; ++p) {
        const TilePiece& piece = board_.Pieces[static_cast<size_t>(p)];
        if ((piece.Presence & 1) && piece.TileNumber == t) return pieces_[static_cast<size_t>(p)];
    }
    return nullptr;
}

QAction* PuzzleWindow::menuAction(int id) const {
    for (const auto& menu : menuItems_)
        for (QAction* a : menu)
            if (a && a->property("id").toInt() == id) return a;
    return nullptr;
}

QWidget* PuzzleWindow::infoWindow(int k) const {
    return k >= 1 && k <= 2 ? infoWindows_[static_cast<size_t>(k)].data() : nullptr;
}

void PuzzleWindow::setStatus(const std::string& text) {
    status_->setText(toQString(text));
    if (text.empty()) {
        status_->setAutoFillBackground(false);
        status_->setPalette(QPalette());
    } else {
        QPalette yellow = status_->palette();
        yellow.setColor(QPalette::Window, QColor(255, 255, 0));
        yellow.setColor(QPalette::WindowText, Qt::black);
        status_->setPalette(yellow);
        status_->setAutoFillBackground(true);
    }
    status_->repaint();
}

// ---- the board's view ----

void PuzzleWindow::showCellFrame(int32_t cell, bool shown) {
    scheduleAccessRefresh();
    if (cell >= 1 && cell <= CellCount) cells_[static_cast<size_t>(cell)]->setVisible(shown);
}

void PuzzleWindow::showCheckMark(int32_t cell, bool shown) {
    if (cell >= 1 && cell <= CellCount) checkMarks_[static_cast<size_t>(cell)]->setVisible(shown);
}

void PuzzleWindow::showPiece(int32_t piece, bool shown) {
    scheduleAccessRefresh();
    if (piece >= 1 && piece <= PieceCount) pieces_[static_cast<size_t>(piece)]->setVisible(shown);
}

void PuzzleWindow::movePiece(int32_t piece, int32_t left, int32_t top) {
    scheduleAccessRefresh();
    if (piece >= 1 && piece <= PieceCount)
        pieces_[static_cast<size_t>(piece)]->move(units_.toPixelsX(left), units_.toPixelsY(top));
}

void PuzzleWindow::ensureTileFont() {
    if (tileFonts_) return;
    const int f = files_.SelectedFile;
    const std::string widest =
        f >= 1 && f <= files_.DiagramFileCount ? files_.Files[static_cast<size_t>(f)].WidestLabelLine : "";
    const int points = fitTileFontPoints(files_.TileFontName, widest, pieces_[1]->width());
    // Fitted once: every later diagram and file keeps this size.
    tileFonts_ = tileFonts(files_.TileFontName, points);
    tileFontHolder_->setFont(tileFonts_->Tile);
    menuAction(FontsMenuId)->setEnabled(true);
}

void PuzzleWindow::drawTileFace(int32_t piece, const Tile& tile) {
    if (piece < 1 || piece > PieceCount) return;
    ensureTileFont();
    PictureControl* surface = pieces_[static_cast<size_t>(piece)];
    surface->setPicture(drawTile(tile, surface->size(), colours_, *tileFonts_));
}

void PuzzleWindow::clearTileFace(int32_t piece) {
    if (piece < 1 || piece > PieceCount) return;
    PictureControl* surface = pieces_[static_cast<size_t>(piece)];
    surface->setPicture(newSurface(surface->size(), colours_.Background));
}

void PuzzleWindow::showOkSign(bool shown) { okSign_->setVisible(shown); }
void PuzzleWindow::showCrossedOkSign(bool shown) { crossedSign_->setVisible(shown); }

// ---- the lists' view ----

void PuzzleWindow::removeFileListEntry(int32_t position) {
    if (position >= 1 && position <= fileList_->count()) fileList_->removeItem(position - 1);
}

void PuzzleWindow::recordFileListPosition(int32_t position) { fileListPosition_ = position; }

void PuzzleWindow::fillDiagramList(const std::vector<std::string>& names) {
    diagramList_->clear();
    for (const std::string& name : names) diagramList_->addItem(toQString(trimRightSpaces(name)));
}

void PuzzleWindow::removeDiagramListEntry(int32_t position) {
    if (position >= 1 && position <= diagramList_->count()) diagramList_->removeItem(position - 1);
}

void PuzzleWindow::selectDiagramListEntry(int32_t position) {
    diagramList_->setCurrentIndex(position - 1);
    diagramListPosition_ = position;
}

void PuzzleWindow::recordDiagramListPosition(int32_t position) { diagramListPosition_ = position; }

void PuzzleWindow::postDiagramChosen() {
    QMetaObject::invokeMethod(this, [this] { onDiagramChosen(); }, Qt::QueuedConnection);
}

void PuzzleWindow::enableSolveAndStartOver(bool enabled) {
    solve_->setEnabled(enabled);
    startOver_->setEnabled(enabled);
}

void PuzzleWindow::enableDiagramList(bool enabled) { diagramList_->setEnabled(enabled); }

// ---- events ----

void PuzzleWindow::onFileChosen() {
    const int32_t loaded = files_.LoadedFile;
    selectDiagramFile(files_, board_, *this, *this, fromQString(fileList_->currentText()));
    // A file read from the list is said with its number of diagrams: the
    // diagram list beside it changed with no word of its own.
    const int32_t f = files_.LoadedFile;
    if (f != loaded && f >= 1 && f <= files_.DiagramFileCount)
        ::announce(this, toQString(fillMask(speechText(FileChosen),
                                            {trimSpaces(files_.Files[static_cast<size_t>(f)].DisplayName),
                                             files_.Tables.DiagramCount})));
}

void PuzzleWindow::onDiagramChosen() {
    const int32_t shown = files_.ShownDiagram;
    chooseDiagram(files_, board_, *this, *this, fromQString(diagramList_->currentText()), random_);
    // A diagram chosen from the list by keys is said with its size: the
    // list's own change of item is not spoken by every screen reader.
    const int32_t d = files_.ShownDiagram;
    if (d != shown && d >= 1 && d <= files_.Tables.DiagramCount && diagramList_->hasFocus()) {
        const Diagram& diagram = files_.Tables.Diagrams[static_cast<size_t>(d)];
        ::announce(this, toQString(fillMask(speechText(DiagramChosen),
                                            {trimSpaces(diagram.Name), diagram.TileCount})));
    }
}

void PuzzleWindow::toggleLanguage() {
    UiContext& ui = uiContext();
    ui.InterfaceLanguage = 1 - ui.InterfaceLanguage;
    menuAction(FrenchMenuId)->setChecked(ui.InterfaceLanguage == 1);
    switchLanguage();
    language_->setText(toQString(captionField(captionText(LanguageId), ui.InterfaceLanguage + 1)));
    // Said once the screen reader is through the renames.
    announceAfter(this, toQString(speechText(LanguageSwitched)), LanguageSaidAfterMs);
}

void PuzzleWindow::switchLanguage() {
    followInterfaceLanguageInQt(uiContext().InterfaceLanguage);
    for (int m = 0; m < 3; ++m) {
        menus_[m]->setTitle(toQString(menuText(m, 0)));
        for (int i = 1; i <= 4; ++i) {
            const std::string text = menuText(m, i);
            if (menuItems_[m][i] && !text.empty() && text != "-")
                menuItems_[m][i]->setText(toQString(text));
        }
    }
    if (fileListPosition_ == files_.DiagramFileCount + 1 && fileList_->count() >= fileListPosition_) {
        fileList_->removeItem(fileListPosition_ - 1);
        fileList_->addItem(toQString(captionText(FileListId)));
        fileList_->setCurrentIndex(fileList_->count() - 1);
    }
    const int promptPosition = files_.Tables.DiagramCount + 1;
    if (files_.LoadedFile != 0 && diagramListPosition_ == promptPosition &&
        diagramList_->count() >= promptPosition) {
        diagramList_->removeItem(promptPosition - 1);
        diagramList_->addItem(toQString(captionText(DiagramListId)));
        diagramList_->setCurrentIndex(diagramList_->count() - 1);
    }
    for (int id : {DescribeBoxId, HighlightBoxId, SolveId, StartOverId}) {
        if (auto* button = qobject_cast<QAbstractButton*>(findControl(client_, id)))
            button->setText(toQString(captionText(id)));
    }
    group_->setTitle(toQString(captionText(GroupBoxId)));
    refreshAccess();
    for (const auto& window : infoWindows_)
        if (window) window->setLongText();
}

void PuzzleWindow::showInfoWindow(int k) {
    if (k < 1 || k > 2) return;
    QPointer<InfoWindow>& window = infoWindows_[static_cast<size_t>(k)];
    if (!window) {
        window = new InfoWindow(k, this);
        window->show();
    }
    window->bringForward();
}

std::string PuzzleWindow::fontsReportText() const {
    return fontsReport(this, tileFontHolder_, okFontHolder_, displayDepth());
}

void PuzzleWindow::showFontsReport() {
    myMsgBox(this, fontsReportText(), "Ostrilon", 0, 1, otherText(4));
}

void PuzzleWindow::closeEvent(QCloseEvent* event) {
    for (auto& window : infoWindows_)
        if (window) window->close();
    QMainWindow::closeEvent(event);
}
