#include "examsim/ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QSoundEffect>
#include <QUrl>

#include "examsim/bank/bankports.h"
#include "examsim/session/figures.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlids.h"
#include "examsim/ui/controlwidgets.h"
#include "examsim/ui/importcommand.h"
#include "examsim/ui/mainwindowparts.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/studyloop.h"
#include "examsim/ui/uitexts.h"
#include "toolkit/colour.h"
#include "toolkit/errorbox.h"
#include "toolkit/gui/announcer.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/listchoice.h"
#include "toolkit/gui/menukey.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/modalgate.h"
#include "toolkit/gui/msgbox.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/gui/qttranslations.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

static void initExamResources() { Q_INIT_RESOURCE(ulvorane); }

QPixmap resourcePicture(const char* name, bool magentaTransparent) {
    initExamResources();
    QPixmap picture(QStringLiteral(":/") + QLatin1String(name));
    if (magentaTransparent && !picture.isNull())
        picture.setMask(picture.createMaskFromColor(QColor(255, 0, 255)));
    return picture;
}

namespace {

constexpr int AcknowledgeMs = 700;
const QColor AcknowledgeColour(255, 0, 0);
const QColor HintColour(255, 255, 0);


// A box of a colour of the window's own: its text takes the colour that reads
// on it (a dark desktop scheme would leave white text on lime).
void setBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    const Rgb text = readableTextOn({colour.red(), colour.green(), colour.blue()});
    p.setColor(QPalette::WindowText, QColor(text.Red, text.Green, text.Blue));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

void restoreBackground(QWidget* widget) {
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A caption's placeholders shown before the figures are known.
std::string placeholderCaption(int id) {
    switch (id) {
    case PositionLabel:
        return replaceAll(captionField(caption(id), 1), "&", "nnn");
    case UnansweredLabel:
        return replaceAll(caption(id), "&", "nnn");
    case MarkLabel:
        return replaceAll(caption(id), "&", "nnn.n%");
    case GoodCount:
    case IncorrectCount:
    case DontKnowCount:
        return "nnn";
    case PreviousButton:
    case NextButton:
    case SeekBox:
        return captionField(caption(id), 1);
    case ExplanationButton:
        return captionField(caption(id), 1);
    case LanguageButton:
        return captionField(caption(id), uiContext().InterfaceLanguage + 1);
    default: return caption(id);
    }
}

}  // namespace

MainWindow::MainWindow(ProgramState& program, const QRect& workArea)
    : program_(program), simplified_(program.Switches.SimplifiedLayout) {
    initExamResources();
    followInterfaceLanguageInQt(uiContext().InterfaceLanguage);
    setWindowTitle(QStringLiteral("Ulvorane"));
    setWindowIcon(QIcon(QStringLiteral(":/ProgIcon")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    ExamRecord& exam = program_.Session.Exam;
    exam.SelectionCriterion = 1;
    exam.MarkingMode = MarkAsYouGo;
    exam.SeekEnabled = false;
    exam.ManualAdvanceAfterIncorrect = true;
    program_.Session.View.SimplifiedLayout = simplified_;

    buildMenus();
    installMenuKey(this);
    buildControls(workArea);
    installView();
    installPorts();
    if (simplified_) {
        // The boxes show the exam's answers; only the filter turns a click
        // or a key into an answer.
        for (int id = Answer1Box; id <= Answer5Box; ++id) {
            auto* box = static_cast<WrapCheckBox*>(control(id));
            box->setTogglesItself(false);
            box->installEventFilter(this);
            // A screen reader's toggle sets the box directly: the box goes
            // back to what the exam holds and the toggle counts as a click,
            // once the toggle has returned. The screen reader waits for its
            // action to return, and an answer may open a box (the mark at
            // the end of the exam) that waits for the user.
            connect(box, &QAbstractButton::toggled, this, [this, box, id] {
                if (showingAnswerState_) return;
                {
                    const QSignalBlocker quiet(box);
                    box->setChecked(userSlot(box, SlotState) != 0);
                }
                QMetaObject::invokeMethod(this, [this, id] { command(id); }, Qt::QueuedConnection);
            });
        }
        installTextBoxFilter(control(StatusBox));
        // A screen reader finds the no-exam sentence there from the start.
        setText(StatusBox, myStatusText(program_.Session.Exam, program_.Bank));
    } else {
        registerResizing();
    }
    installTextBoxFilter(control(QuestionBox));
    // The verdicts and the questions are said in both layouts.
    installAnnouncer(this);
    describeForScreenReaders();
    installHandlers();

    acknowledgeTimer_.setSingleShot(true);
    connect(&acknowledgeTimer_, &QTimer::timeout, this, [this] {
        if (QWidget* ack = control(AcknowledgeLabel)) restoreBackground(ack);
    });

    // A bank chosen before the window existed is read as if the user had
    // chosen it, once the window runs its events.
    if (program_.Shelf.SelectedBank >= 1 && program_.Shelf.SelectedBank <= program_.Shelf.BankCount)
        QMetaObject::invokeMethod(
            this, [this] { command(BankList); }, Qt::QueuedConnection);
}

MainWindow::~MainWindow() {
    // The logging thread posts its result through this window's view: it
    // must be done before the view goes.
    myWaitForLogging(program_.Session, program_.Bank);
    // The help and about boxes have no owner to take them along.
    infoBoxes_->deleteAll();
    myResizeFree(resize_);
    // Nothing may reach this window once it is gone.
    program_.Session.View = ExamView{};
    program_.Session.View.SimplifiedLayout = simplified_;
    bankPorts() = BankPorts{};
    statusSink() = nullptr;
}

QWidget* MainWindow::control(int id) const {
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QAction* MainWindow::menuAction(int commandId) const {
    auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(int index) const {
    return index >= 0 && index < 3 ? menus_[static_cast<size_t>(index)] : nullptr;
}

void MainWindow::buildControls(const QRect& workArea) {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    const DialogUnits units = dialogUnits(this);
    const int menuBarDlu = units.fromPixelsY(menuBar()->sizeHint().height());

    // The frame the window manager adds is not known before the window is
    // shown: count a caption and a dialog frame, as the desktop does.
    const WindowMetrics metrics = systemWindowMetrics();
    shrink_ = myFitWorkArea(
        workArea.width(), workArea.height(), 2 * metrics.DialogFrame,
        metrics.CaptionHeight + 2 * metrics.DialogFrame,
        [&](int dlu) { return units.toPixelsX(dlu); }, [&](int dlu) { return units.toPixelsY(dlu); });
    setUserSlot(this, SlotShrink, shrink_.slotValue());

    const QPixmap logo = resourcePicture("Logo2", false);
    LayoutInput in;
    in.Simplified = simplified_;
    in.Shrink = shrink_;
    in.BankCount = program_.Shelf.BankCount;
    in.MenuBarDlu = menuBarDlu;
    in.LogoWidthDlu = units.fromPixelsX(logo.isNull() ? 80 : logo.width());
    in.LogoHeightDlu = units.fromPixelsY(logo.isNull() ? 96 : logo.height());
    in.PictureWidthDlu = units.fromPixelsX(32);
    in.PictureHeightDlu = units.fromPixelsY(32);

    for (const ControlPlace& place : myMainLayout(in)) {
        QWidget* widget = makeControl(place, client);
        setControlId(widget, place.Id);
        controls_[place.Id] = widget;
        QRect r = units.toPixels(QRect(place.X, place.Y, place.Width, place.Height));
        // A drop list's height is that of its open list; closed it is as
        // high as its font needs.
        if (place.Kind == ControlKind::DropList) r.setHeight(widget->sizeHint().height());
        widget->setGeometry(r);
        connectControl(widget, place.Id);
    }
    // Frames are drawn behind the controls they group and take no clicks.
    for (int id : {SelectionFrame, MarkingFrame, ProgressFrame, NavigationFrame})
        if (QWidget* frame = control(id)) {
            frame->lower();
            frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        }

    if (!simplified_) {
        for (size_t i = 0; i < pictures_.size(); ++i)
            pictures_[i] = resourcePicture(AnswerPictureNames[i], true);
        // The window goes on without pictures.
        if (pictures_.back().isNull()) mySystemBox(nullptr, "IAM failed", "", MbOk | MbTaskModal);
        static_cast<PictureControl*>(control(Logo))->setPicture(logo);
        for (int i = 0; i < 5; ++i) setIndicator(i, 1);
        setBackground(control(StatusLine), Qt::white);
        setBackground(control(GoodHeading), QColor(0, 255, 0));
        setBackground(control(IncorrectHeading), QColor(0, 255, 255));
        setBackground(control(DontKnowHeading), QColor(211, 211, 211));
    }
    fillLists();

    for (int id : {ExplanationArea, StatusBox, QuestionBox, PositionLabel, SeekBox, PreviousButton,
                   NextButton, ExplanationButton})
        setUserSlot(control(id), SlotCaptionField, 1);
    setUserSlot(control(StatusBox), SlotKeptValue, -32768);
    setUserSlot(control(PositionLabel), SlotKeptValue, -32768);
    setUserSlot(control(PositionLabel), SlotKeptTotal, -32768);
    setUserSlot(control(MarkButton), SlotState, 0);
    static_cast<QCheckBox*>(control(ManualAdvanceBox))->setChecked(true);

    const QSize clientSize(units.toPixelsX(scaled(WindowWidthDlu, shrink_.fx())),
                           units.toPixelsY(scaled(WindowHeightDlu, shrink_.fy())));
    client->setMinimumSize(0, 0);
    resize(clientSize);
    if (simplified_) {
        setFixedSize(clientSize);
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    }
    myPlaceWindow(this, workArea, 30);
}

QWidget* MainWindow::makeControl(const ControlPlace& place, QWidget* parent) {
    const QString text = toQLines(placeholderCaption(place.Id));
    switch (place.Kind) {
    case ControlKind::DropList: {
        auto* list = new QComboBox(parent);
        list->setMaxVisibleItems(std::max(place.Height / 14 - 1, 1));
        return list;
    }
    case ControlKind::PushButton:
        return new QPushButton(text, parent);
    case ControlKind::MultiLineButton:
        // Captions such as "RECHERCHE &Précédente" need two lines in the
        // narrow buttons of the simplified layout.
        return new WrapButton(text, parent, place.TextAlign == Align::Centre);
    case ControlKind::ExplanationArea: {
        auto* area = new WrapButton(literalAmpersands(text), parent);
        return area;
    }
    case ControlKind::TextBox: {
        auto* box = new QPlainTextEdit(parent);
        box->setReadOnly(true);
        // The one-line status box must show its line without scrolling.
        box->document()->setDocumentMargin(1);
        box->setPlainText(place.Id == StatusBox ? QString() : text);
        return box;
    }
    case ControlKind::CheckBox:
        return new WrapCheckBox(text, false, parent);
    case ControlKind::CheckBoxLeftText:
        return new WrapCheckBox(text, true, parent);
    case ControlKind::GroupFrame: {
        auto* frame = new QGroupBox(text, parent);
        frame->setAlignment(place.TextAlign == Align::Right    ? Qt::AlignRight
                            : place.TextAlign == Align::Centre ? Qt::AlignHCenter
                                                               : Qt::AlignLeft);
        return frame;
    }
    case ControlKind::Picture: {
        // Drawn centred over the window's colour.
        auto* picture = new PictureControl(parent, PictureControl::Centred);
        picture->setAutoFillBackground(true);
        return picture;
    }
    case ControlKind::Label:
    default: {
        // Labels without a caption of their own start empty.
        const bool empty =
            place.Id == AcknowledgeLabel || place.Id == DesignationLabel || place.Id == StatusLine;
        auto* label = new QLabel(empty ? QString() : text, parent);
        label->setAlignment(alignmentOf(place.TextAlign));
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    }
}

void MainWindow::fillLists() {
    auto* banks = static_cast<QComboBox*>(control(BankList));
    BankShelf& shelf = program_.Shelf;
    banks->clear();
    for (int b = 1; b <= shelf.BankCount; ++b) banks->addItem(toQString(shelf.BankList[b].Label));
    if (shelf.SelectedBank <= 0 || shelf.SelectedBank > shelf.BankCount) {
        banks->addItem(toQString(caption(BankList)));
        shelf.SelectedBank = shelf.BankCount + 1;
    }
    banks->setCurrentIndex(shelf.SelectedBank - 1);
    setUserSlot(banks, SlotCaptionField, shelf.SelectedBank);

    const ExamRecord& exam = program_.Session.Exam;
    auto refill = [&](int id, int fields, int selected) {
        auto* list = static_cast<QComboBox*>(control(id));
        list->clear();
        for (int f = 1; f <= fields; ++f) list->addItem(toQString(captionField(caption(id), f)));
        list->setCurrentIndex(selected - 1);
    };
    refill(SelectionList, 5, exam.SelectionCriterion);
    // "By examiner" is not offered.
    refill(MarkingList, 2, exam.MarkingMode);
}

void MainWindow::connectControl(QWidget* widget, int id) {
    if (auto* list = qobject_cast<QComboBox*>(widget); list && id == BankList) {
        // Reading a bank opens its figures box: a bank is read once the
        // candidate confirms the one reached by arrows, not at each step.
        confirmListChoice(
            list, [this] { command(BankList); },
            [this, list] {
                const BankShelf& shelf = program_.Shelf;
                return shelf.SelectedBank == shelf.BankCount + 1 && list->count() > shelf.BankCount;
            });
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        connect(list, &QComboBox::activated, this, [this, id] { command(id); });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget);
               box && (id < Answer1Box || id > Answer5Box)) {
        // A screen reader toggles an option box without clicking it: the
        // option follows the mark however it was set.
        connect(box, &QAbstractButton::toggled, this, [this, id] { command(id); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { command(id); });
    } else if (auto* picture = qobject_cast<PictureControl*>(widget)) {
        connect(picture, &PictureControl::clicked, this, [this, id] { command(id); });
    }
}

void MainWindow::installView() {
    ExamView& view = program_.Session.View;
    view = ExamView{};
    view.SimplifiedLayout = simplified_;
    view.setIndicator = [this](int i, int state) { setIndicator(i, state); };
    view.setQuestionTexts = [this](const std::string& d, const std::string& q,
                                   const std::array<std::string, 4>& a) { setQuestionTexts(d, q, a); };
    view.showDefaultQuestionTexts = [this] { showDefaultQuestionTexts(); };
    view.setFigure = [this](int id, const std::string& text) { setText(id, text); };
    view.showExplanation = [this](const std::string& text) {
        if (QWidget* area = control(ExplanationArea)) {
            static_cast<QAbstractButton*>(area)->setText(literalAmpersands(toQLines(text)));
            setUserSlot(area, SlotCaptionField, 2);
            // Tab to the area reads it: "Explanation", then the explanation.
            area->setAccessibleDescription(toQLines(text));
        }
    };
    view.showExplanationHint = [this] {
        setCaptionField(ExplanationArea, 1);
        if (QWidget* area = control(ExplanationArea))
            area->setAccessibleDescription(toQLines(captionField(caption(ExplanationArea), 1)));
    };
    view.explanationWindowOpen = [this] { return explanation_->window() != nullptr; };
    view.clearExplanationWindow = [this] { explanation_->clear(); };
    view.postExplanationRefresh = [this] {
        QMetaObject::invokeMethod(this, [this] { explanation_->refresh(); }, Qt::QueuedConnection);
    };
    view.acknowledgeClick = [this] { acknowledgeClick(); };
    view.playSound = [this](const std::string& name) { playSound(name); };
    view.wait = [this](int ms) { waitWithoutBlocking(ms); };
    view.clickNextAfter = [this](int ms) {
        QTimer::singleShot(ms, this, [this] {
            if (auto* next = qobject_cast<QAbstractButton*>(control(NextButton))) next->click();
        });
    };
    view.sayStatus = [this](const std::string& text) {
        // At once before the box the last answer opens; else once what the
        // answer changed besides is said (in the normal layout the first
        // answer greys Launch, and the keyboard it had moves on).
        const bool last = program_.Session.Exam.ProgressCounts[0] == 0;
        announce(this, toQString(text), simplified_ || last);
    };
    view.moveFocus = [this](FocusTarget target) {
        QWidget* w = control(target == FocusTarget::QuestionBox ? QuestionBox : StatusBox);
        if (!w) return;
        // A box that has the keyboard already is not read again when only
        // its text changes (the next question after a key 1 to 5): its new
        // text, set once this returns, is said instead - under /S; the
        // normal layout says every question it shows anyway.
        if (target == FocusTarget::QuestionBox && w->hasFocus()) {
            if (!simplified_) return;
            QPointer<QPlainTextEdit> box = static_cast<QPlainTextEdit*>(w);
            QTimer::singleShot(0, this, [this, box] {
                if (box) announce(this, box->toPlainText(), true);
            });
        } else {
            w->setFocus();
            // The screen reader reads the question box it arrives at: the
            // question shown next is not said a second time.
            questionSaidByFocus_ = target == FocusTarget::QuestionBox && w->hasFocus();
        }
    };
    view.setExamChoicesEnabled = [this](bool enabled) {
        for (int id : {LaunchButton, BankList, SelectionList, MarkingList})
            if (QWidget* w = control(id)) w->setEnabled(enabled);
        studyLoop_->setFullExamEnabled(enabled);
        import_->syncItem();
    };
    view.lessonMenuEnabled = [this] { return actions_[CmdLessons]->isEnabled(); };
    view.setLessonMenuEnabled = [this](bool enabled) { actions_[CmdLessons]->setEnabled(enabled); };
    view.setSeekCaption = [this](int field) { setCaptionField(SeekBox, field); };
    view.setMarkArmed = [this](bool armed) {
        setUserSlot(control(MarkButton), SlotState, armed ? 1 : 0);
    };
    view.askYesNo = [this](const std::string& title, const std::string& text) {
        return myMsgBox(this, text, title, MbYesNo | MbIconExclamation, 0,
                        otherText(OtherButtonCaptions)) == IdYes;
    };
    view.inform = [this](const std::string& title, const std::string& text) {
        myMsgBox(this, text, title, MbOk | MbIconInformation, 0, otherText(OtherButtonCaptions));
    };
    view.sessionLogged = [this] { refreshProgress(); };
    view.postToWindow = [this](std::function<void()> work) {
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
    };
}

void MainWindow::installPorts() {
    BankPorts& ports = bankPorts();
    ports.SimplifiedLayout = simplified_;
    ports.informationBox = [this](const std::string& title, const std::string& text) {
        myMsgBox(this, text, title, MbOk | MbIconInformation, 0, otherText(OtherButtonCaptions));
    };
    ports.plainBox = [this](const std::string& text) { mySystemBox(this, text, "", MbOk); };
    ports.beginWait = [] { QApplication::setOverrideCursor(Qt::WaitCursor); };
    ports.endWait = [] { QApplication::restoreOverrideCursor(); };
    ports.lessonMenuCheck = [this](bool checked) { actions_[CmdLessons]->setChecked(checked); };
    statusSink() = [this](const std::string& text) {
        QWidget* line = control(StatusLine);
        if (!line) return;
        static_cast<QLabel*>(line)->setText(toQString(text));
        setBackground(line, text.empty() ? QColor(Qt::white) : HintColour);
    };
}

// Each handler is given the few things it reads and what it asks of the
// window; the controls and the menu items exist by now.
void MainWindow::installHandlers() {
    ProgramState& p = program_;
    explanation_ = new ExplanationHandler(this, control(ProgressFrame), control(ExplanationButton), p.Session.Exam,
                                          p.Bank, [this](int field) { setCaptionField(ExplanationButton, field); });
    infoBoxes_ = new InfoBoxes(this, shrink_);
    import_ = new ImportCommand(
        this, menuAction(CmdImportBank), p.Session, p.Bank, p.Shelf, p.ProgramFolder, [this] { fillLists(); },
        [this](int bank) {
            static_cast<QComboBox*>(control(BankList))->setCurrentIndex(bank - 1);
            chooseBank();
            studyLoop_->showNextExam();
        },
        [this] { refreshProgress(); });

    StudyLoopControls loop;
    loop.launch = control(LaunchButton);
    loop.next = qobject_cast<QAbstractButton*>(control(NextButton));
    loop.explanationArea = qobject_cast<QAbstractButton*>(control(ExplanationArea));
    loop.lessons = menuAction(CmdLessons);
    studyLoop_ = new StudyLoop(
        this, simplified_, shrink_, p.Session, p.Bank, loop,
        [this](int answer) { command((simplified_ ? Answer1Box : Answer1Button) + answer - 1); },
        [this] { launch(); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ProgramState& p = program_;
    if (myEndExam(p.Session, p.Bank, EndOnLeaving) == EndGoneBack) {
        event->ignore();
        return;
    }
    myWaitForLogging(p.Session, p.Bank);
    closeSecondaryWindows();
    event->accept();
}

// ---------------------------------------------------------------------------
// What the session shows.

void MainWindow::setText(int id, const std::string& text) {
    QWidget* widget = control(id);
    if (!widget) return;
    const QString q = toQLines(text);
    if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        box->setPlainText(q);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(q);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(q);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(q);
    }
}

void MainWindow::setCaptionField(int id, int field) {
    QWidget* widget = control(id);
    if (!widget) return;
    const std::string text = fieldOrEmpty(caption(id), field);
    setUserSlot(widget, SlotCaptionField, field);
    if (!text.empty()) setText(id, text);
}

void MainWindow::setIndicator(int indicator, int state) {
    if (indicator < 0 || indicator > 4) return;
    if (simplified_) {
        QWidget* box = control(Answer1Box + indicator);
        const bool checked = state == 2 || state == 3 || state == 5 || state == 6;
        showingAnswerState_ = true;
        static_cast<QCheckBox*>(box)->setChecked(checked);
        showingAnswerState_ = false;
        setUserSlot(box, SlotState, checked ? 1 : 0);
        return;
    }
    if (state < 1 || state > 6) return;
    static_cast<PictureControl*>(control(Answer1Mark + indicator))
        ->setPicture(pictures_[static_cast<size_t>(state - 1)]);
}

void MainWindow::syncAnswerBoxes() {
    const ExamRecord& exam = program_.Session.Exam;
    for (int i = 0; i < 5; ++i) setIndicator(i, exam.AnswerChecked[static_cast<size_t>(i)] ? 2 : 1);
}

void MainWindow::setQuestionTexts(const std::string& designation, const std::string& question,
                                  const std::array<std::string, 4>& answers) {
    setText(DesignationLabel, designation);
    setText(QuestionBox, question);
    setUserSlot(control(QuestionBox), SlotCaptionField, 2);
    const int first = simplified_ ? Answer1Box : Answer1Button;
    for (int i = 0; i < 4; ++i)
        if (auto* answer = qobject_cast<QAbstractButton*>(control(first + i)))
            answer->setText(literalAmpersands(toQLines(answers[static_cast<size_t>(i)])));
    explanation_->syncButton();
    // Only Launch takes the keyboard to the question in this layout: the
    // question and its answers are said, so that the keys 1 to 5 can
    // answer it unseen - the answers alone when the screen reader has just
    // read the question box the keyboard arrived at.
    if (!simplified_) {
        QString words = questionSaidByFocus_ ? QString() : toQLines(question);
        for (const std::string& answer : answers)
            if (!trimSpaces(answer).empty())
                words += (words.isEmpty() ? QString() : QStringLiteral("\n")) + toQLines(answer);
        announce(this, words);
    }
    questionSaidByFocus_ = false;
}

void MainWindow::showDefaultQuestionTexts() {
    setText(DesignationLabel, "");
    setCaptionField(QuestionBox, 1);
    const int first = simplified_ ? Answer1Box : Answer1Button;
    for (int i = 0; i < 5; ++i) setText(first + i, caption(first + i));
    explanation_->syncButton();
}

void MainWindow::acknowledgeClick() {
    QWidget* ack = control(AcknowledgeLabel);
    if (!ack) return;
    setBackground(ack, AcknowledgeColour);
    acknowledgeTimer_.start(AcknowledgeMs);
}

void MainWindow::playSound(const std::string& name) {
    QSoundEffect*& effect = sounds_[name];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/") + toQString(name)));
    }
    effect->play();
}

void MainWindow::waitWithoutBlocking(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
