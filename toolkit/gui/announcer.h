// Words for a screen reader that belong to no control: what a key did on a
// board, what a shortcut changed, the verdict after an answer.
//
// Qt 6.4 has no announcement event, and Orca 43 speaks neither the new
// description nor the new name of the focused object when Qt reports a
// change of either (it gets an object instead of the text and drops it).
// What it does speak, unprompted and with no role word, is a notification
// inside a status bar that becomes showing: it reads the notification's
// name. So a window gets an invisible status bar holding a few
// notifications, and announcing hides one of them, renames it and shows it
// again; they take turns, since Orca reads the name as it comes to the
// event, which may be after the next announcement.
#pragma once

class QString;
class QWidget;

// Gives window its announcer (once; later calls do nothing).
void installAnnouncer(QWidget* window);

// Says text through the announcer of widget's window, if it has one. The
// words go out once control returns to the event loop, after whatever the
// same key or click changed and Orca reads itself (a focus move, a new
// name), so that nothing of the program's own cuts them off; or at once
// (now), when a box about to open would take the window's place first.
void announce(QWidget* widget, const QString& text, bool now = false);

// Says text after milliseconds: after a change that renames the whole
// window (a language switch), whose flood of events the screen reader
// thins out, announcements and all, before it reads the focus again.
void announceAfter(QWidget* widget, const QString& text, int milliseconds);
// The wait after a language switch.
inline constexpr int LanguageSaidAfterMs = 800;

// The text last announced in widget's window ("" when none): what a test
// of the window reads.
QString lastAnnouncement(const QWidget* widget);
