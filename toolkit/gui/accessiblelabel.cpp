#include "accessiblelabel.h"

#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QVariant>

namespace {

const char* const LabelProperty = "accessibleLabel";

}  // namespace

QLabel* accessibleLabelOf(const QWidget* control) {
    if (!control) return nullptr;
    return qobject_cast<QLabel*>(control->property(LabelProperty).value<QObject*>());
}

void setAccessibleLabel(QWidget* control, const QString& name) {
    if (!control) return;
    control->setAccessibleName(name);
    if (!qobject_cast<QComboBox*>(control) || !control->parentWidget()) return;
    QLabel* label = accessibleLabelOf(control);
    if (!label) {
        // A sibling: the relation is looked for among the control's siblings.
        label = new QLabel(control->parentWidget());
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(control);
        label->hide();
        control->setProperty(LabelProperty, QVariant::fromValue<QObject*>(label));
    }
    // A buddy's label turns "&" into a shortcut; the name has none.
    QString text = name;
    label->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
}
