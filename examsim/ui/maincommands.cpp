// The menus and the commands of the main window: the menu table, then what
// each command of a menu or a control does.
#include "examsim/ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>

#include "examsim/bank/bankdiscovery.h"
#include "examsim/bank/banktwin.h"
#include "examsim/progress/window/progresswindow.h"
#include "examsim/session/selection.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlids.h"
#include "examsim/ui/controlwidgets.h"
#include "examsim/ui/importcommand.h"
#include "examsim/ui/lessondialog.h"
#include "examsim/ui/mainwindowparts.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/studyloop.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/qttranslations.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

void MainWindow::buildMenus() {
    const ExamRecord& exam = program_.Session.Exam;
    for (int m = 0; m < MenuCount; ++m) {
        menus_[static_cast<size_t>(m)] = menuBar()->addMenu(toQString(menuText(m, 0)));
        for (int item = 1; item < MenuItemCount; ++item) {
            const std::string text = menuText(m, item);
            if (text.empty()) continue;
            if (text == "-") {
                menus_[static_cast<size_t>(m)]->addSeparator();
                continue;
            }
            int command = 0;
            for (const MenuItem& mi : kMenuItems)
                if (mi.menu == m && mi.item == item) command = mi.command;
            if (command == CmdDumpUtility && !(program_.Switches.DumpUtilityEnabled & 1)) continue;
            QAction* action = menus_[static_cast<size_t>(m)]->addAction(toQString(text));
            action->setToolTip(toQString(menuHint(m, item)));
            action->setStatusTip(action->toolTip());
            action->setProperty("id", command);
            actions_[command] = action;
            // A command runs once the menu is done with, as a Windows menu
            // command does; a screen reader that pressed the item
            // gets its answer before any box the command opens.
            connect(action, &QAction::triggered, this, [this, command] { this->command(command); },
                    Qt::QueuedConnection);
        }
    }
    actions_[CmdOpenFile]->setEnabled(false);
    menus_[0]->setToolTipsVisible(true);
    connect(menus_[0], &QMenu::aboutToShow, this, [this] { import_->syncItem(); });
    actions_[CmdProgress]->setEnabled(false);  // until a bank is loaded
    menus_[1]->setToolTipsVisible(true);
    for (int c : {CmdFrench, CmdAudibleClues, CmdManualAdvance, CmdLessons})
        actions_[c]->setCheckable(true);
    actions_[CmdFrench]->setChecked(uiContext().InterfaceLanguage == 1);
    actions_[CmdAudibleClues]->setChecked(exam.AudibleClues);
    actions_[CmdManualAdvance]->setChecked(exam.ManualAdvance);
}

// ---------------------------------------------------------------------------
// Commands. The explanation window, the help and about boxes, the lesson
// dialog and the dump utility have their own windows; their commands come
// through here as well once those windows exist.

void MainWindow::command(int id) {
    ProgramState& p = program_;
    ExamSession& s = p.Session;
    ExamRecord& exam = s.Exam;
    switch (id) {
    case BankList:
        chooseBank();
        refreshProgress();
        studyLoop_->showNextExam();
        return;
    case LaunchButton:
        launch();
        return;
    case SelectionList:
        exam.SelectionCriterion =
            static_cast<QComboBox*>(control(SelectionList))->currentIndex() + 1;
        // A drawn exam nobody has started yet is drawn again at once.
        if (exam.ExamStage >= StageDrawn)
            QMetaObject::invokeMethod(
                this, [this] { command(LaunchButton); }, Qt::QueuedConnection);
        return;
    case MarkingList:
        exam.MarkingMode = static_cast<QComboBox*>(control(MarkingList))->currentIndex() + 1;
        return;
    case Answer1Button:
    case Answer1Button + 1:
    case Answer1Button + 2:
    case Answer1Button + 3:
    case Answer5Button: {
        myAnswerChosen(s, p.Bank, id - Answer1Button + 1);
        // Not left drawn as the focused button, but the keyboard position
        // stays: the next Tab goes on from this answer.
        if (auto* b = qobject_cast<WrapButton*>(control(id))) b->hideFocusUntilItMoves();
        return;
    }
    case Answer1Box:
    case Answer1Box + 1:
    case Answer1Box + 2:
    case Answer1Box + 3:
    case Answer5Box:
        myAnswerChosen(s, p.Bank, id - Answer1Box + 1);
        // The boxes show what the exam holds, not what the click toggled.
        syncAnswerBoxes();
        return;
    case NextButton:
        myNavigate(s, p.Bank, Navigation::Next);
        return;
    case PreviousButton:
        myNavigate(s, p.Bank, Navigation::Previous);
        return;
    case FirstButton:
        myNavigate(s, p.Bank, Navigation::First);
        return;
    case LastButton:
        myNavigate(s, p.Bank, Navigation::Last);
        return;
    case SeekBox:
        setSeek(static_cast<QCheckBox*>(control(SeekBox))->isChecked());
        return;
    case ManualAdvanceBox:
        exam.ManualAdvanceAfterIncorrect =
            static_cast<QCheckBox*>(control(ManualAdvanceBox))->isChecked();
        return;
    case MarkButton:
        myMarkButton(s, p.Bank);
        return;
    case LanguageButton:
    case CmdFrench: toggleLanguage(); return;
    case CmdAudibleClues: exam.AudibleClues = actions_[CmdAudibleClues]->isChecked(); return;
    case CmdManualAdvance: exam.ManualAdvance = actions_[CmdManualAdvance]->isChecked(); return;
    case CmdQuit:
        if (myEndExam(s, p.Bank, EndOnLeaving) == EndGoneBack) return;
        close();
        return;
    case ExplanationButton:
        explanation_->toggle();
        return;
    case CmdLessons:
        myOpenLessonDialog(this, p.Bank, simplified_, shrink_.slotValue() & 0xFFFF, [this] {
            QMetaObject::invokeMethod(
                this, [this] { myDiscardDrawnExam(program_.Session, program_.Bank); }, Qt::QueuedConnection);
        });
        // The menu flipped its own mark before the command ran: the mark
        // shows whether a restriction is in force, whatever the dialog did.
        actions_[CmdLessons]->setChecked(p.Bank.LessonMenuChecked);
        studyLoop_->showNextExam();
        return;
    case CmdDumpUtility: runDumpUtility(this, p.Bank, p.ProgramFolder); return;
    case CmdProgress:
        if (p.Shelf.LoadedBank > 0) {
            openProgressWindow(progress_, p.Bank, p.Session.LogFilePath, simplified_, this);
            connect(progress_, &ProgressWindow::practiseRequested, studyLoop_, &StudyLoop::practiseLessons,
                    Qt::UniqueConnection);
            connect(progress_, &ProgressWindow::fullExamRequested, studyLoop_, &StudyLoop::launchFullExam,
                    Qt::UniqueConnection);
        }
        return;
    case CmdOpenFile: showOpenFileDialog(); return;
    case CmdImportBank: import_->run(); return;
    case CmdHelp: infoBoxes_->show(InfoKind::Help); return;
    case CmdAbout:
    case Logo:
        infoBoxes_->show(InfoKind::About);
        if (QWidget* logo = control(Logo)) logo->clearFocus();
        return;
    case ExplanationArea:
        // Copies the explanation on show for pasting elsewhere.
        if (auto* area = qobject_cast<QAbstractButton*>(control(ExplanationArea)))
            QGuiApplication::clipboard()->setText(area->text().replace(QLatin1String("&&"), QLatin1String("&")));
        return;
    default: return;
    }
}

void MainWindow::refreshProgress() {
    actions_[CmdProgress]->setEnabled(program_.Shelf.LoadedBank > 0);
    if (progress_) progress_->refresh();
}

ProgressWindow* MainWindow::progressWindow() const { return progress_; }

void MainWindow::chooseBank() {
    ProgramState& p = program_;
    BankShelf& shelf = p.Shelf;
    auto* list = static_cast<QComboBox*>(control(BankList));
    const int accepted = userSlot(list, SlotCaptionField);
    // The history of a session still being written must be in before a
    // bank reads its history back.
    myWaitForLogging(p.Session, p.Bank);
    const BankChoice choice = myChooseBank(p.Bank, shelf, fromQString(list->currentText()));
    if (choice == BankChoice::NoBankYet || choice == BankChoice::AlreadyLoaded) return;
    if (choice == BankChoice::ReadFailed) {
        // The list goes back to the bank that is still in force.
        shelf.SelectedBank = accepted;
        list->setCurrentIndex(accepted - 1);
        return;
    }
    if (myReadBankHistory(p.Session.LogFilePath, p.Session.Catalogue, shelf.SelectedBank, p.Bank) == 0) {
        // Read again, history and all, when the bank is chosen again.
        shelf.LoadedBank = 0;
        return;
    }
    mySortList(p.Bank.TopicOrder, p.Bank.TopicCount, 'T', p.Bank);
    mySortList(p.Bank.LessonIndex, p.Bank.LessonCount, 'L', p.Bank);
    if (list->count() > shelf.BankCount) list->removeItem(shelf.BankCount);
    setUserSlot(list, SlotCaptionField, shelf.SelectedBank);
    // At once rather than posted: nothing may show the old exam against the
    // new bank in between.
    myDiscardExamOfOtherBank(p.Session, p.Bank);
}

void MainWindow::launch() {
    ProgramState& p = program_;
    if (p.Session.Exam.ExamStage >= StageAnswering) return;
    if (p.Shelf.SelectedBank < 1 || p.Shelf.SelectedBank > p.Shelf.BankCount) {
        myErrorBox(message(MsgSelectBankFirst));
        return;
    }
    if (myLaunchExam(p.Session, p.Bank)) setUserSlot(control(SeekBox), SlotCaptionField, 2);
    import_->syncItem();
}

void MainWindow::toggleLanguage() {
    uiContext().InterfaceLanguage = 1 - uiContext().InterfaceLanguage;
    // The menu item has toggled its own mark already, the button has not.
    actions_[CmdFrench]->setChecked(uiContext().InterfaceLanguage == 1);
    followInterfaceLanguageInQt(uiContext().InterfaceLanguage);
    applyLanguage();
    setCaptionField(LanguageButton, uiContext().InterfaceLanguage + 1);
    // Every name changed under the listener: the switch is said, in the
    // language switched to, once the screen reader is through the renames.
    announceAfter(this, toQString(otherText(OtherLanguageSwitched)), LanguageSaidAfterMs);
    followLanguageWithBank();
}

// The bank of the same questions in the language switched to, when the
// folder has one: offered (load it now, always, or not now), or loaded at
// once after "always". Not while an exam has answers to lose.
void MainWindow::followLanguageWithBank() {
    ProgramState& p = program_;
    if (p.Shelf.LoadedBank == 0 || p.Session.Exam.ExamStage >= StageAnswering) return;
    const int twin = myLanguageTwin(p.Shelf, p.Shelf.LoadedBank, uiContext().InterfaceLanguage);
    if (twin == 0) return;
    if (!p.Session.Exam.BankFollowsLanguage) {
        const std::string title = trimSpaces(p.Shelf.BankTitles[static_cast<size_t>(twin)]);
        const int answer =
            myMsgBox(this, replaceAll(otherText(OtherTwinBankOffer), "&", title),
                     uiContext().ProgramName + otherText(OtherTwinBankTitle), MbYesNoCancel | MbIconQuestion, 0,
                     otherText(OtherTwinBankButtons));
        // The box's second button is "always".
        if (answer == IdNo) p.Session.Exam.BankFollowsLanguage = true;
        else if (answer != IdYes) return;
    }
    static_cast<QComboBox*>(control(BankList))->setCurrentIndex(twin - 1);
    command(BankList);
}

void MainWindow::setSeek(bool enabled) {
    program_.Session.Exam.SeekEnabled = enabled;
    setCaptionField(PreviousButton, enabled ? 2 : 1);
    setCaptionField(NextButton, enabled ? 2 : 1);
}
