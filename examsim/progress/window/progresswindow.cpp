#include "examsim/progress/window/progresswindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <algorithm>

#include "examsim/progress/progressreport.h"
#include "examsim/progress/progresstexts.h"
#include "examsim/progress/window/progresschartwidget.h"
#include "toolkit/gui/metrics.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/masks.h"
#include "toolkit/uicontext.h"

namespace {

constexpr int SortRole = Qt::UserRole + 1;
constexpr int MarksDescribed = 10;  // the chart's text alternative names the last ten
constexpr int SuccessColumn = 4;
constexpr int TitleColumn = 5;

QString text(ProgressText id) { return toQString(progressText(id)); }
QString filled(ProgressText id, const std::vector<MaskValue>& values) {
    return toQString(fillMask(progressText(id), values));
}
// A caption's "&" marks its access key; a screen reader wants the words.
QString withoutAccessKey(QString caption) { return caption.remove(QLatin1Char('&')); }

QTableView* makeTable(QSortFilterProxyModel* sort, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setModel(sort);
    // Weakest first until the user sorts otherwise: success ascending, the
    // core's order kept among equal rates by the stable sort.
    view->horizontalHeader()->setSortIndicator(SuccessColumn, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);  // Tab leaves the table; arrows move within
    view->verticalHeader()->hide();
    // Rows as high as their cells: a wrapped title gets its lines, a row of
    // figures one line.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumHeight(view->fontMetrics().height() * 6);
    return view;
}

void chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

}  // namespace

ProgressWindow::ProgressWindow(const BankModel& bank, const std::filesystem::path& logPath, bool simplified,
                               QWidget* owner)
    : QDialog(owner), bank_(bank), logPath_(logPath), simplified_(simplified) {
    setModal(false);
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    sessions_ = new QLabel(this);
    sessions_->setTextFormat(Qt::PlainText);
    emptyState_ = new QLabel(this);
    emptyState_->setTextFormat(Qt::PlainText);
    emptyState_->setWordWrap(true);
    emptyState_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    emptyState_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    emptyState_->setFocusPolicy(Qt::StrongFocus);

    chances_ = new QWidget(this);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    passChance_ = new QLabel(chances_);
    honoursChance_ = new QLabel(chances_);
    for (QLabel* chance : {passChance_, honoursChance_}) {
        chance->setFont(large);
        chance->setTextFormat(Qt::PlainText);
        // Reached with Tab, so that a screen reader reads it out; after the
        // interaction flags, which leave a selectable label to the mouse's
        // click alone.
        chance->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        chance->setFocusPolicy(Qt::StrongFocus);
    }
    chancesHow_ = new QLabel(chances_);
    chancesHow_->setWordWrap(true);
    chancesHow_->setTextFormat(Qt::PlainText);
    auto* chancesLayout = new QVBoxLayout(chances_);
    chancesLayout->setContentsMargins(0, 0, 0, 0);
    // One above the other: with its range a chance takes half a line.
    for (QLabel* chance : {passChance_, honoursChance_}) {
        chance->setWordWrap(true);
        chancesLayout->addWidget(chance);
    }
    chancesLayout->addWidget(chancesHow_);

    // The next step, in words and as one button, under the chances it answers.
    nextStep_ = new QLabel(chances_);
    nextStep_->setTextFormat(Qt::PlainText);
    nextStep_->setWordWrap(true);
    nextStep_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    nextStep_->setFocusPolicy(Qt::StrongFocus);
    practise_ = new QPushButton(chances_);
    practise_->setAutoDefault(false);
    connect(practise_, &QPushButton::clicked, this, [this] { practise(); });
    // While the next exam is limited (a drill of these lessons, say): the
    // whole bank again, in one step.
    fullExam_ = new QPushButton(chances_);
    fullExam_->setObjectName(QStringLiteral("fullExam"));
    fullExam_->setAutoDefault(false);
    connect(fullExam_, &QPushButton::clicked, this, [this] {
        close();
        emit fullExamRequested();
    });
    auto* nextButtons = new QVBoxLayout;
    nextButtons->addWidget(practise_);
    nextButtons->addWidget(fullExam_);
    nextButtons->addStretch(1);
    auto* nextRow = new QHBoxLayout;
    nextRow->addWidget(nextStep_, 1);
    nextRow->addLayout(nextButtons);
    chancesLayout->addLayout(nextRow);

    buildChart();

    lessonModel_ = new QStandardItemModel(this);
    topicModel_ = new QStandardItemModel(this);
    lessonSort_ = new QSortFilterProxyModel(this);
    topicSort_ = new QSortFilterProxyModel(this);
    for (auto [sort, model] : {std::pair{lessonSort_, lessonModel_}, std::pair{topicSort_, topicModel_}}) {
        sort->setSourceModel(model);
        sort->setSortRole(SortRole);
    }
    lessonCaption_ = new QLabel(this);
    topicCaption_ = new QLabel(this);
    lessonTable_ = makeTable(lessonSort_, this);
    topicTable_ = makeTable(topicSort_, this);
    // The lesson titles: the last column takes the room left and its
    // titles wrap onto more lines rather than being cut.
    lessonTable_->horizontalHeader()->setStretchLastSection(true);
    lessonTable_->setWordWrap(true);
    lessonTable_->setTextElideMode(Qt::ElideNone);
    lessonCaption_->setBuddy(lessonTable_);
    topicCaption_->setBuddy(topicTable_);

    notice_ = new QLabel(this);
    notice_->setTextFormat(Qt::PlainText);
    copy_ = new QPushButton(this);
    close_ = new QPushButton(this);
    connect(copy_, &QPushButton::clicked, this, [this] { copyTables(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);

    auto* lessonsBox = new QVBoxLayout;
    lessonsBox->addWidget(lessonCaption_);
    lessonsBox->addWidget(lessonTable_);
    auto* topicsBox = new QVBoxLayout;
    topicsBox->addWidget(topicCaption_);
    topicsBox->addWidget(topicTable_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(notice_, 1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sessions_);
    layout->addWidget(emptyState_);
    if (simplified_) {
        // What a screen-reader user asked for comes first: the chances,
        // then what to study; the picture of the marks last.
        layout->addWidget(chances_);
        layout->addLayout(lessonsBox, 2);
        layout->addLayout(topicsBox, 2);
        layout->addWidget(chartView_, 3);
        chainTabOrder({passChance_, honoursChance_, nextStep_, practise_, fullExam_, lessonTable_, topicTable_, chartView_,
                       copy_, close_});
    } else {
        layout->addWidget(chartView_, 3);
        layout->addWidget(chances_);
        auto* tables = new QHBoxLayout;
        // The lessons have a column more, their titles.
        tables->addLayout(lessonsBox, 3);
        tables->addLayout(topicsBox, 2);
        layout->addLayout(tables, 2);
        chainTabOrder({chartView_, passChance_, honoursChance_, nextStep_, practise_, fullExam_, lessonTable_, topicTable_,
                       copy_, close_});
    }
    layout->addLayout(buttons);

    refresh();
    fitScreen();
}

// As large as the figures want, but never beyond the screen's work area:
// a 768-pixel screen shows the whole window with its buttons. When even
// the window's smallest layout is larger (large fonts), it scrolls.
void ProgressWindow::fitScreen() {
    const QFontMetrics metrics(font());
    const QSize wanted(metrics.averageCharWidth() * 150, metrics.height() * (simplified_ ? 62 : 56));
    QRect area;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        resize(wanted.expandedTo(minimumSizeHint()));
        return;
    }
    area = screen->availableGeometry();
    // Room for the frame and title bar the window manager adds, and a panel.
    const QSize room = myRoomInWorkArea(this, area).boundedTo(area.size() - QSize(16, metrics.height() * 5));
    QSize smallest = minimumSizeHint();
    // The wrapped lines take more height at the width the window gets.
    const int width = std::max(std::min(wanted.width(), room.width()), smallest.width());
    if (layout()->hasHeightForWidth())
        smallest.setHeight(std::max(smallest.height(), layout()->totalMinimumHeightForWidth(width)));
    resize(wanted.boundedTo(room).expandedTo(smallest));
    if (smallest.width() > room.width() || smallest.height() > room.height()) {
        // The buttons stay in view under the part that scrolls.
        QLayoutItem* buttons = nullptr;
        for (int i = 0; i < layout()->count(); ++i)
            if (QLayout* row = layout()->itemAt(i)->layout(); row && row->indexOf(close_) >= 0) buttons = row;
        myScrollIntoWorkArea(this, area, buttons);
    }
}

void ProgressWindow::buildChart() {
    chartView_ = new ProgressChartWidget(this);
    chartView_->setMinimumHeight(fontMetrics().height() * 12);
}

void ProgressWindow::refresh() {
    // A log that cannot be read has been reported; what was read still shows.
    myReadProgress(logPath_, bank_, figures_);
    applyLanguage();
}

void ProgressWindow::focusFirst() {
    if (figures_.Sessions.empty()) {
        // The dialog's text is read as it opens: given the keyboard as well,
        // it was read a second time. The keyboard goes to Close (Copy is
        // greyed); Shift+Tab reaches the text.
        close_->setFocus();
    } else if (simplified_) {
        // A screen reader reads the window's lines as it opens, the chances
        // and the next step among them, then what has the keyboard: a line
        // given the keyboard was read twice. The keyboard goes to the first
        // control after them, the next step's button; Shift+Tab reaches the
        // lines one by one.
        for (QWidget* control : {static_cast<QWidget*>(practise_), static_cast<QWidget*>(fullExam_),
                                 static_cast<QWidget*>(lessonTable_)})
            if (!control->isHidden()) {
                control->setFocus();
                return;
            }
    } else {
        chartView_->setFocus();
    }
}

void ProgressWindow::applyLanguage() {
    setWindowTitle(filled(ProgressText::WindowTitle, {figures_.Title}));
    if (figures_.Sessions.empty()) {
        sessions_->clear();
    } else {
        sessions_->setText(filled(ProgressText::SessionsLine, {static_cast<int>(figures_.Sessions.size()),
                                                              figures_.Sessions.front().Date,
                                                              figures_.Sessions.back().Date}));
    }
    emptyState_->setText(text(ProgressText::EmptyState));
    const std::vector<std::string> chances = myChanceLines(figures_, uiContext().InterfaceLanguage);
    passChance_->setText(toQString(chances[0]));
    honoursChance_->setText(chances.size() > 1 ? toQString(chances[1]) : QString());
    honoursChance_->setVisible(chances.size() > 1);
    chancesHow_->setText(text(ProgressText::ChancesHow));
    lessonCaption_->setText(text(ProgressText::LessonsCaption));
    topicCaption_->setText(text(ProgressText::TopicsCaption));
    lessonTable_->setAccessibleName(withoutAccessKey(text(ProgressText::LessonsCaption)));
    topicTable_->setAccessibleName(withoutAccessKey(text(ProgressText::TopicsCaption)));
    fillTable(lessonModel_, figures_.Lessons, true);
    fillTable(topicModel_, figures_.Topics, false);
    fillChart();
    copy_->setText(text(ProgressText::CopyButton));
    copy_->setToolTip(text(ProgressText::CopyHint));
    copy_->setAccessibleDescription(text(ProgressText::CopyHint));
    close_->setText(text(ProgressText::CloseButton));
    QStringList nextStep;
    for (const std::string& line : myNextStepLines(figures_, uiContext().InterfaceLanguage))
        nextStep << toQString(line);
    nextStep_->setText(nextStep.join(QLatin1Char('\n')));
    practise_->setText(text(ProgressText::PractiseButton));
    practise_->setVisible(!figures_.NextLessons.empty());
    fullExam_->setText(text(ProgressText::FullExamButton));
    fullExam_->setVisible(bank_.QuestionsPerTopic > 0);
    notice_->clear();
    showState();
}

void ProgressWindow::showState() {
    const bool empty = figures_.Sessions.empty();
    emptyState_->setVisible(empty);
    for (QWidget* w : {static_cast<QWidget*>(chartView_), chances_, static_cast<QWidget*>(lessonTable_),
                       static_cast<QWidget*>(topicTable_), static_cast<QWidget*>(lessonCaption_),
                       static_cast<QWidget*>(topicCaption_)})
        w->setVisible(!empty);
    copy_->setEnabled(!empty);
}

void ProgressWindow::fillTable(QStandardItemModel* model, const std::vector<GroupFigure>& groups, bool lesson) {
    const int language = uiContext().InterfaceLanguage;
    model->clear();
    QStringList headings;
    for (const std::string& heading : myGroupColumns(lesson, language)) headings << toQString(heading);
    model->setHorizontalHeaderLabels(headings);
    for (const GroupFigure& g : groups) {
        const std::vector<std::string> cells = myGroupCells(g, lesson, language);
        const QVariant sortKeys[] = {toQString(g.Id), g.Questions, g.Seen, g.Attempts,
                                     g.hasRate() ? g.rate() : -1.0, toQString(g.Title)};
        QList<QStandardItem*> row;
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QStandardItem(toQString(cells[c]));
            item->setData(sortKeys[c], SortRole);
            item->setEditable(false);
            if (c >= 1 && c <= 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == TitleColumn) item->setToolTip(item->text());
            row << item;
        }
        model->appendRow(row);
    }
    QTableView* table = lesson ? lessonTable_ : topicTable_;
    table->resizeColumnsToContents();
    if (lesson) {
        // The title column as wide as the room left, its titles wrapped in it.
        table->horizontalHeader()->resizeSection(TitleColumn, fontMetrics().averageCharWidth() * 30);
    }
}

void ProgressWindow::fillChart() {
    // Only full exams make the line; drills and smaller exams are squares
    // apart, and the text alternative names them apart too.
    ProgressChartData chart = myProgressChart(figures_);
    QStringList described, partialDescribed;
    for (const SessionFigure& session : figures_.Sessions) {
        if (session.Mark < 0) continue;
        (session.Full ? described : partialDescribed) << toQString(session.MarkText);
    }
    chartView_->setChart(std::move(chart),
                         {text(ProgressText::ChartTitle), text(ProgressText::MarksSeries),
                          text(ProgressText::PartialSeries), filled(ProgressText::PassLine, {figures_.PassMarkPercent}),
                          text(ProgressText::AxisSessions), text(ProgressText::AxisMarks)});

    chartView_->setAccessibleName(text(ProgressText::ChartTitle));
    auto lastTen = [](const QStringList& marks) {
        return fromQString(marks.mid(std::max<qsizetype>(0, marks.size() - MarksDescribed)).join(QStringLiteral(", ")));
    };
    QString description = described.isEmpty()
                              ? text(ProgressText::ChartNoMarks)
                              : filled(ProgressText::ChartDescription,
                                       {static_cast<int>(std::min<qsizetype>(described.size(), MarksDescribed)),
                                        lastTen(described)});
    if (!partialDescribed.isEmpty())
        description += filled(ProgressText::ChartPartial,
                              {static_cast<int>(partialDescribed.size()), lastTen(partialDescribed)});
    // Not the chances: a screen reader reads the window's own chance lines
    // as the window opens, and the chart's text alternative with them; the
    // chances said here as well were said twice.
    chartView_->setAccessibleDescription(description);
}

QString ProgressWindow::tablesText() const {
    QString out;
    for (const std::string& line : myProgressTables(figures_, uiContext().InterfaceLanguage))
        out += toQString(line) + QLatin1Char('\n');
    return out;
}

void ProgressWindow::practise() {
    std::vector<int> lessons;
    for (const GroupFigure& g : figures_.NextLessons) lessons.push_back(g.Number);
    close();
    emit practiseRequested(lessons);
}

void ProgressWindow::copyTables() {
    QGuiApplication::clipboard()->setText(tablesText());
    notice_->setText(text(ProgressText::Copied));
}

ProgressWindow* openProgressWindow(QPointer<ProgressWindow>& current, const BankModel& bank,
                                   const std::filesystem::path& logPath, bool simplified, QWidget* owner) {
    if (current) {
        current->refresh();
    } else {
        current = new ProgressWindow(bank, logPath, simplified, owner);
        current->setAttribute(Qt::WA_DeleteOnClose);
    }
    current->show();
    current->raise();
    current->activateWindow();
    current->focusFirst();
    return current;
}
