#include "toolkit/gui/accessiblelabel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QVariant>

#include "toolkit/gui/announcer.h"

namespace {

const char* const LabelProperty = "accessibleLabel";

// Orca reads a drop list of this toolkit by its label and its role only:
// it finds no current item (the list offers no selection to read). The
// label carries the item after the name.
void labelWithItem(QComboBox* list) {
    QLabel* label = accessibleLabelOf(list);
    if (!label) return;
    QString text = list->accessibleName();
    const QString item = list->currentText().trimmed();
    if (!item.isEmpty()) text += QLatin1String(", ") + item;
    // A buddy's label turns "&" into a shortcut; the text has none.
    label->setText(text.replace(QLatin1Char('&'), QLatin1String("&&")));
}

}  // namespace

QLabel* accessibleLabelOf(const QWidget* control) {
    if (!control) return nullptr;
    return qobject_cast<QLabel*>(control->property(LabelProperty).value<QObject*>());
}

void setAccessibleLabel(QWidget* control, const QString& name) {
    if (!control) return;
    auto* list = qobject_cast<QComboBox*>(control);
    if (!list || !control->parentWidget()) {
        control->setAccessibleName(name);
        return;
    }
    control->setAccessibleName(name);
    QLabel* label = accessibleLabelOf(control);
    if (!label) {
        // A sibling: the relation is looked for among the control's siblings.
        label = new QLabel(control->parentWidget());
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(control);
        label->hide();
        control->setProperty(LabelProperty, QVariant::fromValue<QObject*>(label));
        // Orca says nothing when a closed list's item changes under the arrow
        // keys (it drops the name change of a list): the new item is
        // announced instead, when the change is the user's, made on the list
        // that has the focus.
        installAnnouncer(control->window());
        QObject::connect(list, &QComboBox::currentIndexChanged, list, [list] {
            labelWithItem(list);
            if (list->hasFocus() && !list->view()->isVisible()) announce(list, list->currentText());
        });
    }
    labelWithItem(list);
}
