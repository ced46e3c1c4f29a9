// Names that screen readers announce for controls whose own accessible name
// is something else.
#pragma once

class QLabel;
class QString;
class QWidget;

// Gives control the accessible name name. A drop list is announced on this
// desktop by its current item, and named only by the label that is its
// buddy: it gets a hidden label of that text (one, renamed on later calls),
// which the accessibility bus hands out as its labelled-by relation.
void setAccessibleLabel(QWidget* control, const QString& name);

// The hidden label setAccessibleLabel keeps for control, or nullptr.
QLabel* accessibleLabelOf(const QWidget* control);
