#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "toolkit/gui/controls.h"

TEST(Controls, IdGivesNameAndPropertyAndIsFoundAtAnyDepth) {
    QWidget window;
    auto* frame = new QWidget(&window);
    auto* label = new QLabel(frame);
    setControlId(frame, 2020);
    setControlId(label, 2049);
    EXPECT_EQ(label->objectName(), QStringLiteral("c2049"));
    EXPECT_EQ(controlId(label), 2049);
    EXPECT_EQ(findControl(&window, 2049), label);
    EXPECT_EQ(findControl(&window, 2020), frame);
    EXPECT_EQ(findControl(&window, 2050), nullptr);
    EXPECT_EQ(controlId(&window), 0);
    EXPECT_EQ(controlId(nullptr), 0);
}

TEST(Controls, EightUserSlotsPerWidgetIndependentOfEachOther) {
    QWidget a, b;
    for (int slot = 1; slot <= UserSlotCount; ++slot)
        setUserSlot(&a, slot, slot * 10);
    setUserSlot(&b, 1, -1);
    for (int slot = 1; slot <= UserSlotCount; ++slot)
        EXPECT_EQ(userSlot(&a, slot), slot * 10);
    EXPECT_EQ(userSlot(&b, 1), -1);
    EXPECT_EQ(userSlot(&b, 2), 0); // never set
    setUserSlot(&a, 0, 5);
    setUserSlot(&a, 9, 5);
    EXPECT_EQ(userSlot(&a, 0), 0);
    EXPECT_EQ(userSlot(&a, 9), 0);
}
