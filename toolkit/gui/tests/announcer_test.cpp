#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "toolkit/gui/announcer.h"

namespace {

// A screen reader that is behind: it notes each notification shown (what
// the accessibility bridge reports as a change of its showing state) and
// reads its name only when it comes to the event, after every
// announcement has gone out - as Orca does under load.
class LateReader : public QObject {
public:
    std::vector<QPointer<QObject>> shown;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
                iface && iface->role() == QAccessible::Notification)
                shown.emplace_back(object);
        return false;
    }
};

QStringList readLate(const LateReader& reader) {
    QStringList heard;
    for (const QPointer<QObject>& object : reader.shown)
        if (QAccessibleInterface* iface = object ? QAccessible::queryAccessibleInterface(object) : nullptr)
            heard << iface->text(QAccessible::Name);
    return heard;
}

struct Burst {
    const char* name;
    QStringList texts;
    bool firstNow;      // the first said at once, the others queued
    bool settleBetween; // control back to the event loop between them
};

void PrintTo(const Burst& b, std::ostream* out) { *out << b.name; }

class AnnouncerBurst : public ::testing::TestWithParam<Burst> {};

// Words said one after the other each reach the late reader whole, in
// their order: none is renamed under it by the words that follow.
TEST_P(AnnouncerBurst, EachAnnouncementKeepsItsWordsUntilTheReaderComesToIt) {
    const Burst& b = GetParam();
    QWidget window;
    installAnnouncer(&window);
    window.show();
    QCoreApplication::processEvents();
    LateReader reader;
    qApp->installEventFilter(&reader);
    for (qsizetype i = 0; i < b.texts.size(); ++i) {
        announce(&window, b.texts[i], b.firstNow && i == 0);
        if (b.settleBetween) QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&reader);
    EXPECT_EQ(readLate(reader).join(QStringLiteral(" | ")).toStdString(),
              b.texts.join(QStringLiteral(" | ")).toStdString());
    EXPECT_EQ(lastAnnouncement(&window), b.texts.back());
}

INSTANTIATE_TEST_SUITE_P(
    Announcer, AnnouncerBurst,
    ::testing::Values(
        Burst{"VerdictThenNextQuestion", {"Question 1 of 10, Answer 2 valid.", "Question of topic 2?"}, false, true},
        Burst{"BothQueuedInOneTurn", {"Interface en fran\u00e7ais", "Question 3 de 10"}, false, false},
        Burst{"OneAtOnceThenOneQueued", {"Your mark is 60%", "Question of topic 1?"}, true, false},
        Burst{"FourInARow", {"one", "two", "three", "four"}, false, true}),
    [](const ::testing::TestParamInfo<Burst>& info) { return std::string(info.param.name); });

}  // namespace
