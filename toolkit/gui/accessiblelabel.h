// Names that screen readers announce for controls whose own accessible name
// is something else.
#pragma once

class QLabel;
class QString;
class QWidget;

// Gives control the accessible name name. A drop list is announced on this
// desktop by the label that is its buddy, and nothing else: it gets a hidden
// label (one, renamed on later calls) of the name and its current item,
// "Marking, As you go", which the accessibility bus hands out as its
// labelled-by relation; and the window an announcer (announcer.h) that says
// each new item chosen by keys.
void setAccessibleLabel(QWidget* control, const QString& name);

// The hidden label setAccessibleLabel keeps for control, or nullptr.
QLabel* accessibleLabelOf(const QWidget* control);
