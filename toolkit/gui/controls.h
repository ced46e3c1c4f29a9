// How the programs' windows know their controls: by the numeric ids that key
// the caption and tooltip tables, and by eight whole-number user slots per
// window or control that the window code keeps its per-control state in.
#pragma once

class QObject;
class QWidget;

inline constexpr int UserSlotCount = 8;

// Gives the widget the object name "c<id>" and an `id` property.
void setControlId(QWidget* control, int id);

// The id given with setControlId, 0 for a widget without one (or none).
int controlId(const QObject* control);

// The descendant of window that carries the id, nullptr when there is none.
QWidget* findControl(const QWidget* window, int id);

// Slots are numbered 1 to 8; an unset slot reads 0. Reading or writing a
// slot outside that range does nothing and reads 0.
int userSlot(const QObject* object, int slot);
void setUserSlot(QObject* object, int slot, int value);
