#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "toolkit/gui/accessiblelabel.h"

namespace {

// What a screen reader is handed as the labels of a control.
QStringList labelsOf(QWidget* control) {
    QStringList names;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (!iface) return names;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

TEST(AccessibleLabel, TwoDropListsAreToldApartByTheirLabels) {
    QWidget window;
    auto* banks = new QComboBox(&window);
    auto* criteria = new QComboBox(&window);
    banks->addItem(QStringLiteral("Basic"));
    criteria->addItem(QStringLiteral("New only"));
    setAccessibleLabel(banks, QStringLiteral("Question selection, bank"));
    setAccessibleLabel(criteria, QStringLiteral("Question selection, criterion"));
    // The label ends with the current item: a reader says no other value.
    EXPECT_EQ(labelsOf(banks), QStringList{QStringLiteral("Question selection, bank, Basic")});
    EXPECT_EQ(labelsOf(criteria),
              QStringList{QStringLiteral("Question selection, criterion, New only")});
    banks->addItem(QStringLiteral("Advanced"));
    banks->setCurrentIndex(1);
    EXPECT_EQ(labelsOf(banks), QStringList{QStringLiteral("Question selection, bank, Advanced")});
    EXPECT_EQ(banks->accessibleName(), QStringLiteral("Question selection, bank"));
    // The label is for the bus only: nothing new on the screen.
    window.show();
    ASSERT_NE(accessibleLabelOf(banks), nullptr);
    EXPECT_FALSE(accessibleLabelOf(banks)->isVisible());
}

TEST(AccessibleLabel, RenamingKeepsOneLabel) {
    QWidget window;
    auto* list = new QComboBox(&window);
    setAccessibleLabel(list, QStringLiteral("Question selection, bank"));
    QLabel* first = accessibleLabelOf(list);
    setAccessibleLabel(list, QStringLiteral("Critères de sélection, banque & co"));
    EXPECT_EQ(accessibleLabelOf(list), first);
    EXPECT_EQ(window.findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(labelsOf(list), QStringList{QStringLiteral("Critères de sélection, banque & co")});
}

TEST(AccessibleLabel, OtherControlsTakeTheNameItself) {
    QWidget window;
    auto* box = new QPlainTextEdit(&window);
    setAccessibleLabel(box, QStringLiteral("Exam status"));
    EXPECT_EQ(accessibleLabelOf(box), nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Exam status"));
}

}  // namespace
