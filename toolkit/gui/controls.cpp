#include "toolkit/gui/controls.h"

#include <QVariant>
#include <QWidget>

namespace {
const char* const IdProperty = "id";

// Dynamic property names are kept as static strings: QObject stores the
// pointer's text, so they must outlive every widget.
const char* slotProperty(int slot) {
    static const char* const names[UserSlotCount] = {"userSlot1", "userSlot2", "userSlot3",
                                                     "userSlot4", "userSlot5", "userSlot6",
                                                     "userSlot7", "userSlot8"};
    return names[slot - 1];
}
} // namespace

void setControlId(QWidget* control, int id) {
    if (!control) return;
    control->setObjectName(QStringLiteral("c%1").arg(id));
    control->setProperty(IdProperty, id);
}

int controlId(const QObject* control) {
    if (!control) return 0;
    const QVariant id = control->property(IdProperty);
    return id.isValid() ? id.toInt() : 0;
}

QWidget* findControl(const QWidget* window, int id) {
    if (!window) return nullptr;
    return window->findChild<QWidget*>(QStringLiteral("c%1").arg(id));
}

int userSlot(const QObject* object, int slot) {
    if (!object || slot < 1 || slot > UserSlotCount) return 0;
    return object->property(slotProperty(slot)).toInt();
}

void setUserSlot(QObject* object, int slot, int value) {
    if (!object || slot < 1 || slot > UserSlotCount) return;
    object->setProperty(slotProperty(slot), value);
}
