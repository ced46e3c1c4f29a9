// The main window of the exam simulator, in its normal layout or in the
// simplified layout for screen readers. It turns the clicks of its controls
// and menus into calls of the exam session and shows what the session asks
// it to through the ExamView port; it keeps no exam logic of its own.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <array>
#include <map>
#include <string>

#include "examsim/ui/mainlayout.h"
#include "examsim/ui/program.h"
#include "toolkit/gui/resizer.h"

class QAction;
class QMenu;
class QSoundEffect;
class ExplanationHandler;
class ExplanationWindow;
class ImportCommand;
class InfoBox;
class InfoBoxes;
class ProgressWindow;
class StudyLoop;

// Command ids of the menu items.
enum MenuCommand : int {
    CmdOpenFile = 2080,
    CmdQuit = 2081,
    CmdLessons = 2082,
    CmdFrench = 2083,
    CmdAudibleClues = 2084,
    CmdManualAdvance = 2085,
    CmdDumpUtility = 2086,
    CmdImportBank = 2087,
    CmdProgress = 2090,
    CmdHelp = 2088,
    CmdAbout = 2089,
};

// Answer indicator pictures, in the order of the indicator states 1 to 6.
inline constexpr std::array<const char*, 6> AnswerPictureNames = {
    "Blank", "BulletBlk", "CheckGrn", "FingerHiLite", "XMarkTurquoise", "XMarkGray"};

// Loads a resource bitmap by name; magenta becomes transparent when asked.
QPixmap resourcePicture(const char* name, bool magentaTransparent);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window for the monitor's work area, shrunk to fit it and
    // placed at 30 %; not shown.
    MainWindow(ProgramState& program, const QRect& workArea);
    ~MainWindow() override;

    // Every control and menu command arrives here by its id.
    void command(int id);
    // Re-captions menus, controls and lists in the language now in force.
    void applyLanguage();

    QWidget* control(int id) const;
    QAction* menuAction(int commandId) const;
    QMenu* menu(int index) const;  // 0 File, 1 Tools, 2 Help
    ShrinkFactors shrink() const { return shrink_; }
    ProgramState& program() { return program_; }
    // The secondary windows while they are open, else null.
    ExplanationWindow* explanationWindow() const;
    InfoBox* infoBox(int kind) const;  // 1 help, 2 about
    ProgressWindow* progressWindow() const;
    const ResizeState& resizeState() const { return resize_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildControls(const QRect& workArea);
    QWidget* makeControl(const ControlPlace& place, QWidget* parent);
    void fillLists();
    void installView();
    void installPorts();
    void connectControl(QWidget* widget, int id);
    // The handlers of the secondary windows, the import and the study loop.
    void installHandlers();

    void chooseBank();
    void launch();
    void toggleLanguage();
    void followLanguageWithBank();
    void setSeek(bool enabled);
    void syncAnswerBoxes();
    void setIndicator(int indicator, int state);
    void setQuestionTexts(const std::string& designation, const std::string& question,
                          const std::array<std::string, 4>& answers);
    void showDefaultQuestionTexts();
    void acknowledgeClick();
    void playSound(const std::string& name);
    void waitWithoutBlocking(int milliseconds);
    void showOpenFileDialog();
    void closeSecondaryWindows();
    void refreshProgress();
    void registerResizing();
    bool answerBoxEvent(QWidget* box, QEvent* event);
    void describeForScreenReaders();
    void setText(int id, const std::string& latin1Text);
    void setCaptionField(int id, int field);

    ProgramState& program_;
    bool simplified_;
    ShrinkFactors shrink_;
    std::map<int, QWidget*> controls_;
    std::map<int, QAction*> actions_;
    std::array<QMenu*, 3> menus_{};
    std::array<QPixmap, 6> pictures_;
    QTimer acknowledgeTimer_;
    std::map<std::string, QSoundEffect*> sounds_;
    QPointer<ProgressWindow> progress_;
    // Children of the window, each given only what it reads and drives.
    ExplanationHandler* explanation_ = nullptr;  // secondarywindows.h
    InfoBoxes* infoBoxes_ = nullptr;             // help and about
    ImportCommand* import_ = nullptr;            // importcommand.h
    StudyLoop* studyLoop_ = nullptr;             // studyloop.h
    ResizeState resize_;
    bool showingAnswerState_ = false;  // the window itself sets an answer box
    bool questionSaidByFocus_ = false;  // the keyboard has just moved to the question box
};
