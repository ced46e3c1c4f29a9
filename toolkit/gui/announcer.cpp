#include "toolkit/gui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

const char* const BarName = "screenReaderAnnouncer";
const char* const MessageName = "screenReaderAnnouncement";
const char* const LastProperty = "lastAnnouncement";
const char* const TurnProperty = "announcementTurn";
// The screen reader reads a notification's name when it comes to the event,
// which under load may be after the next announcement: one notification
// renamed again would lose the words before (the verdict under the next
// question). So announcements take turns among a few.
constexpr int Notifications = 4;

// The roles are what Orca looks for: a notification whose ancestor is a
// status bar is read without the word "notification" in front.
QAccessibleInterface* announcerAccessible(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->objectName() == QLatin1String(BarName))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (object->objectName() == QLatin1String(MessageName))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

QWidget* barOf(const QWidget* widget) {
    if (!widget) return nullptr;
    return widget->window()->findChild<QWidget*>(QLatin1String(BarName),
                                                 Qt::FindDirectChildrenOnly);
}

}  // namespace

void installAnnouncer(QWidget* window) {
    if (!window || barOf(window)) return;
    static const bool installed = [] {
        QAccessible::installFactory(announcerAccessible);
        return true;
    }();
    (void)installed;
    // One pixel, painted by nobody, taking neither focus nor clicks: only
    // the accessibility bus knows it is there.
    auto* bar = new QWidget(window);
    bar->setObjectName(QLatin1String(BarName));
    bar->setGeometry(0, 0, 1, 1);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int i = 0; i < Notifications; ++i) {
        auto* message = new QWidget(bar);
        message->setObjectName(QLatin1String(MessageName));
        message->setGeometry(0, 0, 1, 1);
        message->setFocusPolicy(Qt::NoFocus);
        message->hide();
    }
    bar->show();
}

void announce(QWidget* widget, const QString& text, bool now) {
    QWidget* bar = barOf(widget);
    if (!bar || text.isEmpty()) return;
    bar->setProperty(LastProperty, text);
    const QList<QWidget*> messages =
        bar->findChildren<QWidget*>(QLatin1String(MessageName), Qt::FindDirectChildrenOnly);
    if (messages.isEmpty()) return;
    // The turn is taken now, so that words queued one after the other go
    // to different notifications.
    const int turn = bar->property(TurnProperty).toInt() % messages.size();
    bar->setProperty(TurnProperty, (turn + 1) % messages.size());
    QPointer<QWidget> message = messages[turn];
    auto say = [message, text] {
        if (!message) return;
        message->hide();
        message->setAccessibleName(text);
        message->show();
    };
    if (now)
        say();
    else
        QTimer::singleShot(0, bar, say);
}

void announceAfter(QWidget* widget, const QString& text, int milliseconds) {
    QWidget* bar = barOf(widget);
    if (!bar || text.isEmpty()) return;
    bar->setProperty(LastProperty, text);
    QTimer::singleShot(milliseconds, bar, [bar, text] { announce(bar, text, true); });
}

QString lastAnnouncement(const QWidget* widget) {
    const QWidget* bar = barOf(widget);
    return bar ? bar->property(LastProperty).toString() : QString();
}
