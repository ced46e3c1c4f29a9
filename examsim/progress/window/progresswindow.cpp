#include "progresswindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>

#include "masks.h"
#include "progressreport.h"
#include "progresstexts.h"
#include "qtext.h"
#include "uicontext.h"

namespace {

constexpr int SortRole = Qt::UserRole + 1;
constexpr int MarksDescribed = 10;  // the chart's text alternative names the last ten
constexpr int SuccessColumn = 4;

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
    view->setFocusPolicy(Qt::StrongFocus);
    view->setMinimumHeight(view->fontMetrics().height() * 10);
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
    emptyState_->setFocusPolicy(Qt::StrongFocus);
    emptyState_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);

    chances_ = new QWidget(this);
    QFont large = font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    passChance_ = new QLabel(chances_);
    honoursChance_ = new QLabel(chances_);
    for (QLabel* chance : {passChance_, honoursChance_}) {
        chance->setFont(large);
        chance->setTextFormat(Qt::PlainText);
        // Reached with Tab, so that a screen reader reads it out.
        chance->setFocusPolicy(Qt::StrongFocus);
        chance->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    }
    chancesHow_ = new QLabel(chances_);
    chancesHow_->setWordWrap(true);
    chancesHow_->setTextFormat(Qt::PlainText);
    auto* chancesLayout = new QVBoxLayout(chances_);
    chancesLayout->setContentsMargins(0, 0, 0, 0);
    auto* chancesRow = new QHBoxLayout;
    chancesRow->addWidget(passChance_);
    chancesRow->addSpacing(fontMetrics().averageCharWidth() * 6);
    chancesRow->addWidget(honoursChance_);
    chancesRow->addStretch();
    chancesLayout->addLayout(chancesRow);
    chancesLayout->addWidget(chancesHow_);

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
    lessonTable_->horizontalHeader()->setStretchLastSection(true);  // the lesson titles
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
        layout->addLayout(lessonsBox, 1);
        layout->addLayout(topicsBox, 1);
        layout->addWidget(chartView_, 1);
        chainTabOrder({passChance_, honoursChance_, lessonTable_, topicTable_, chartView_, copy_, close_});
    } else {
        layout->addWidget(chartView_, 3);
        layout->addWidget(chances_);
        auto* tables = new QHBoxLayout;
        tables->addLayout(lessonsBox, 1);
        tables->addLayout(topicsBox, 1);
        layout->addLayout(tables, 2);
        chainTabOrder({chartView_, passChance_, honoursChance_, lessonTable_, topicTable_, copy_, close_});
    }
    layout->addLayout(buttons);

    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 150, metrics.height() * (simplified_ ? 62 : 56));
    refresh();
}

void ProgressWindow::buildChart() {
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chartView_ = new QChartView(chart_, this);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setFocusPolicy(Qt::StrongFocus);
    chartView_->setMinimumHeight(fontMetrics().height() * 18);
}

void ProgressWindow::refresh() {
    // A log that cannot be read has been reported; what was read still shows.
    myReadProgress(logPath_, bank_, figures_);
    applyLanguage();
}

void ProgressWindow::focusFirst() {
    if (figures_.Sessions.empty())
        emptyState_->setFocus();
    else if (simplified_)
        passChance_->setFocus();
    else
        chartView_->setFocus();
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
            row << item;
        }
        model->appendRow(row);
    }
    (lesson ? lessonTable_ : topicTable_)->resizeColumnsToContents();
}

void ProgressWindow::fillChart() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    chart_->setTitle(text(ProgressText::ChartTitle));
    const int sessions = static_cast<int>(figures_.Sessions.size());
    auto* marks = new QLineSeries;
    marks->setName(text(ProgressText::MarksSeries));
    marks->setPointsVisible(true);
    QStringList described;
    for (int s = 0; s < sessions; ++s) {
        const SessionFigure& session = figures_.Sessions[static_cast<size_t>(s)];
        if (session.Mark < 0) continue;
        marks->append(s + 1, session.Mark);
        described << toQString(session.MarkText);
    }
    auto* pass = new QLineSeries;
    pass->setName(filled(ProgressText::PassLine, {figures_.PassMarkPercent}));
    const int last = std::max(sessions, 2);
    pass->append(1, figures_.PassMarkPercent);
    pass->append(last, figures_.PassMarkPercent);
    QPen passPen(Qt::darkRed);
    passPen.setStyle(Qt::DashLine);
    passPen.setWidth(2);
    pass->setPen(passPen);
    chart_->addSeries(pass);
    chart_->addSeries(marks);

    auto* x = new QValueAxis;
    x->setRange(1, last);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(1);
    x->setTickInterval(std::max(1.0, std::ceil((last - 1) / 10.0)));
    x->setTitleText(text(ProgressText::AxisSessions));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setTickCount(6);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(text(ProgressText::AxisMarks));
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* series : {pass, marks}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }

    chartView_->setAccessibleName(text(ProgressText::ChartTitle));
    if (described.isEmpty()) {
        chartView_->setAccessibleDescription(text(ProgressText::ChartNoMarks));
    } else {
        const QStringList lastTen = described.mid(std::max<qsizetype>(0, described.size() - MarksDescribed));
        chartView_->setAccessibleDescription(filled(
            ProgressText::ChartDescription,
            {static_cast<int>(lastTen.size()), fromQString(lastTen.join(QStringLiteral(", ")))}));
    }
}

QString ProgressWindow::tablesText() const {
    QString out;
    for (const std::string& line : myProgressTables(figures_, uiContext().InterfaceLanguage))
        out += toQString(line) + QLatin1Char('\n');
    return out;
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
