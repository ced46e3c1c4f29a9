// The main window in the other language: menus, captions, lists and the
// figures on show, and the windows it owns.
#include "mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "controls.h"
#include "controlwidgets.h"
#include "figures.h"
#include "mainwindowparts.h"
#include "progresswindow.h"
#include "qtext.h"
#include "secondarywindows.h"
#include "sessiontexts.h"
#include "uicontext.h"

void MainWindow::applyLanguage() {
    for (int m = 0; m < MenuCount; ++m) {
        QMenu* popup = menus_[static_cast<size_t>(m)];
        for (int item = 0; item < MenuItemCount; ++item) {
            const std::string text = menuText(m, item);
            if (text.empty() || text == "-") continue;
            if (item == 0) {
                popup->setTitle(toQString(text));
            } else {
                // By command: an item left out (the dump utility without /D)
                // shifts the ones after it.
                for (const MenuItem& mi : kMenuItems)
                    if (mi.menu == m && mi.item == item)
                        if (QAction* action = menuAction(mi.command)) {
                            action->setText(toQString(text));
                            action->setToolTip(toQString(menuHint(m, item)));
                            action->setStatusTip(action->toolTip());
                        }
            }
        }
    }
    ProgramState& p = program_;
    for (int id = FirstCaptionId; id <= LastCaptionId; ++id) {
        QWidget* widget = control(id);
        if (!widget || caption(id).empty()) continue;
        switch (id) {
        case 2004: case 2009: case 2010: case 2012: case 2037: case 2039:
            setCaptionField(id, userSlot(widget, 1));
            break;
        case 2022: case 2023: case 2024: case 2025:
        case 2040: case 2041: case 2042: case 2043: {
            // While a question is on show its answers stay.
            const std::string field = fieldOrEmpty(caption(id), userSlot(control(2039), 1));
            if (!field.empty()) setText(id, field);
            break;
        }
        case 2027: case 2031: case 2032: case 2038:
        case 2028: case 2029: case 2030:
        case 2015:
            break;  // figures are shown again below; the button is the caller's
        case 2001:
        case 2003: {
            auto* list = static_cast<QComboBox*>(widget);
            const int fields = id == 2001 ? 5 : 2;
            list->clear();
            for (int f = 1; f <= fields; ++f) list->addItem(toQString(captionField(caption(id), f)));
            list->setCurrentIndex((id == 2001 ? p.Session.Exam.SelectionCriterion : p.Session.Exam.MarkingMode) - 1);
            break;
        }
        case 2000: {
            auto* list = static_cast<QComboBox*>(widget);
            if (userSlot(list, 1) == p.Shelf.BankCount + 1 && list->count() > p.Shelf.BankCount) {
                list->removeItem(p.Shelf.BankCount);
                list->addItem(toQString(caption(2000)));
                list->setCurrentIndex(p.Shelf.BankCount);
            }
            break;
        }
        default:
            setText(id, caption(id));
            break;
        }
    }
    myRerenderFigures(p.Session.Exam, p.Bank, p.Session.View);
    for (QPointer<InfoBox>& box : infoBoxes_)
        if (box) box->applyLanguage();
    if (progress_) progress_->applyLanguage();
    if (explanation_ && explanation_->content() == ShowsHint) explanation_->showHint();
    describeForScreenReaders();
    showNextExam();
    emit languageApplied();
}
