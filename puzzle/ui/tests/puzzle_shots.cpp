// Renders the puzzle to PNG files for looking at without a display:
//   QT_QPA_PLATFORM=offscreen puzzle_shots <folder>
// tiles.png (every kind), midgame.png, solved.png, crossed.png, french.png,
// resources.png (the pictures, enlarged), held-on-cell.png and
// held-on-tile.png (a tile held with the keyboard and its target frame),
// help-en.png and help-fr.png, help-files-en.png and help-files-fr.png.
#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <filesystem>
#include <fstream>

#include "puzzle/ui/infowindow.h"
#include "puzzle/ui/tests/puzzlegui.h"
#include "toolkit/text.h"

namespace {
QString out;

void grabWindow(PuzzleWindow& window, const char* name) {
    QApplication::processEvents();
    window.grab().save(out + "/" + name);
}

void shootTiles() {
    const struct { const char* kind; const char* stubs; const char* label; } kinds[] = {
        {"BOX", "L,RI", "C|Local\\Oscillator"}, {"DBOX", "LI,R,B", "C|Optional"},
        {"DOT", "L,R,T", ""},                   {"AMP", "LI,R", "0.38C|RF"},
        {"MIX", "LI,R,TI", "0.02|Mixer"},       {"ANT", "R", "0.6C|Antenna"},
        {"MIKE", "R", "0.7C|Mic"},              {"SPKR", "LI", "S|Speaker"},
        {"DMLD", "LI,R", "0.01C|Detector"},     {"FLT", "LI,R", "0.01C|IF filter"},
        {"KEY", "R", "0.8C|Key"},               {"CONS", "", "0.01|Console"},
        {"NONE", "L,RI", ""},                   {"WHAT", "B", "0.6R|Unknown"}};
    const QSize tile(98, 90);
    QImage sheet(8 + 5 * (tile.width() + 8), 8 + 3 * (tile.height() + 24), QImage::Format_RGB32);
    sheet.fill(QColor(212, 208, 200));
    QPainter p(&sheet);
    const TileFonts fonts = tileFonts(TestFace, 10);
    for (int i = 0; i < static_cast<int>(std::size(kinds)); ++i) {
        Tile t;
        t.Kind = kinds[i].kind;
        t.Connectors = kinds[i].stubs;
        t.Label = kinds[i].label;
        const QPoint at(8 + (i % 5) * (tile.width() + 8), 8 + (i / 5) * (tile.height() + 24));
        p.drawImage(at, drawTile(t, tile, tileColours(32), fonts));
        p.drawText(at + QPoint(0, tile.height() + 16),
                   QString::fromLatin1(kinds[i].kind) + " " + QString::fromLatin1(kinds[i].stubs));
    }
    p.end();
    sheet.save(out + "/tiles.png");
    sheet.scaled(sheet.size() * 2).save(out + "/tiles-x2.png");
}

void shootResources() {
    QImage sheet(640, 140, QImage::Format_RGB32);
    sheet.fill(QColor(212, 208, 200));
    QPainter p(&sheet);
    int x = 4;
    for (const char* name : {"Logo2.bmp", "ChkMrk.bmp", "HandR.png", "HandL.png", "ProgIcon.png"}) {
        const QImage image(QStringLiteral(":/puzzle/") + QString::fromLatin1(name));
        const int scale = image.width() <= 11 ? 8 : image.width() <= 32 ? 4 : 1;
        p.drawImage(QRect(x, 4, image.width() * scale, image.height() * scale), image);
        x += image.width() * scale + 8;
    }
    p.end();
    sheet.save(out + "/resources.png");
}

void pressOn(QWidget* tile, Qt::Key key) {
    QTest::keyClick(tile, key);
    QApplication::processEvents();
}

// Two tiles placed by keys; then one at home held over a white cell, and one
// on the board held over itself.
void shootKeyboard(const std::string& folder) {
    auto window = openPuzzle(folder);
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());  // offscreen, the window may never be active
    QComboBox* list = window->findChild<QComboBox*>(QStringLiteral("c2001"));
    list->setCurrentIndex(0);
    emit list->activated(0);
    QApplication::processEvents();
    for (int t = 1; t <= 2; ++t)
        dragPiece(window->pieceOfTile(t), cellCorner(*window, tileOf(*window, t).TargetCell));
    QWidget* held = window->pieceOfTile(3);
    held->setFocus(Qt::TabFocusReason);
    pressOn(held, Qt::Key_Space);
    pressOn(held, Qt::Key_Right);
    grabWindow(*window, "held-on-cell.png");
    pressOn(held, Qt::Key_Escape);
    held = window->pieceOfTile(2);
    held->setFocus(Qt::TabFocusReason);
    pressOn(held, Qt::Key_Space);
    grabWindow(*window, "held-on-tile.png");
    window->pieceOfTile(1)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    window->pieceOfTile(1)->grab().scaled(window->pieceOfTile(1)->size() * 3).save(out + "/focused-tile-x3.png");
}

void shootHelp() {
    for (int language : {0, 1}) {
        uiContext().InterfaceLanguage = language;
        InfoWindow help(HelpWindow, nullptr);
        help.show();
        auto* box = help.findChild<QPlainTextEdit*>(QStringLiteral("c2100"));
        box->setFocus();
        // Scrolled to the keyboard paragraph.
        box->moveCursor(QTextCursor::Start);
        box->find(language == 0 ? QStringLiteral("Without a mouse") : QStringLiteral("Sans souris"));
        QApplication::processEvents();
        help.grab().save(out + (language == 0 ? "/help-en.png" : "/help-fr.png"));
        // And at the paragraph on where the files are kept.
        // From the end, so that the paragraph comes up to the top.
        box->moveCursor(QTextCursor::End);
        box->ensureCursorVisible();
        box->find(language == 0 ? QStringLiteral("Where the files") : QString::fromLatin1("O\xF9 sont gard"),
                  QTextDocument::FindBackward);
        QApplication::processEvents();
        help.grab().save(out + (language == 0 ? "/help-files-en.png" : "/help-files-fr.png"));
    }
    uiContext().InterfaceLanguage = 0;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(out);
    shootTiles();
    shootResources();

    const std::string folder = (std::filesystem::temp_directory_path() / "ostrilon-shots").string();
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(SAMPLES_DIR "/Diagrams_Basic-English.txt",
                               folder + "/Diagrams_Basic-English.txt",
                               std::filesystem::copy_options::overwrite_existing);
    {
        auto window = openPuzzle(folder);
        window->setRandomSource([](int32_t low, int32_t) { static int n = 0; return low + (n++ * 5) % 12; });
        QComboBox* list = window->findChild<QComboBox*>(QStringLiteral("c2001"));
        list->setCurrentIndex(0);
        emit list->activated(0);
        QApplication::processEvents();
        // Half the tiles put right, one put wrong.
        const int n = tileCount(*window);
        for (int t = 1; t <= n / 2; ++t)
            dragPiece(window->pieceOfTile(t), cellCorner(*window, tileOf(*window, t).TargetCell));
        dragPiece(window->pieceOfTile(n), cellCorner(*window, tileOf(*window, n - 1).TargetCell));
        QTest::mouseMove(window->pieceOfTile(2));
        sendMouse(window->pieceOfTile(2), QEvent::Enter, QPoint(5, 5), Qt::NoButton);
        grabWindow(*window, "midgame.png");

        dragPiece(window->pieceOfTile(n), homeCorner(*window, freeHomeSlot(*window)));
        for (int t = 1; t <= n; ++t)
            dragPiece(window->pieceOfTile(t), cellCorner(*window, tileOf(*window, t).TargetCell));
        QCheckBox* highlight = window->findChild<QCheckBox*>(QStringLiteral("c2003"));
        highlight->click();
        grabWindow(*window, "solved.png");

        // Swap the first two tiles: a full board, but wrong.
        const int a = tileOf(*window, 1).TargetCell, b = tileOf(*window, 2).TargetCell;
        dragPiece(window->pieceOfTile(1), homeCorner(*window, freeHomeSlot(*window)));
        dragPiece(window->pieceOfTile(2), cellCorner(*window, a));
        dragPiece(window->pieceOfTile(1), cellCorner(*window, b));
        grabWindow(*window, "crossed.png");
    }
    {
        std::filesystem::copy_file(SAMPLES_DIR "/Diagrams_Base-Francais.txt",
                                   folder + "/Diagrams_Base-Francais.txt",
                                   std::filesystem::copy_options::overwrite_existing);
        auto window = openPuzzle(folder, 1);
        grabWindow(*window, "french-start.png");
        QComboBox* files = window->findChild<QComboBox*>(QStringLiteral("c2000"));
        files->setCurrentIndex(0);
        emit files->activated(0);
        QApplication::processEvents();
        QComboBox* list = window->findChild<QComboBox*>(QStringLiteral("c2001"));
        list->setCurrentIndex(1);
        emit list->activated(1);
        QApplication::processEvents();
        grabWindow(*window, "french.png");
    }
    std::filesystem::remove(folder + "/Diagrams_Base-Francais.txt");
    shootKeyboard(folder);
    shootHelp();
    std::filesystem::remove_all(folder);
    return 0;
}
