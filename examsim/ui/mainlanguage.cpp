// The main window in the other language: menus, captions, lists and the
// figures on show, and the windows it owns.
#include "examsim/ui/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include "examsim/progress/window/progresswindow.h"
#include "examsim/session/figures.h"
#include "examsim/session/sessiontexts.h"
#include "examsim/ui/controlids.h"
#include "examsim/ui/controlwidgets.h"
#include "examsim/ui/mainwindowparts.h"
#include "examsim/ui/secondarywindows.h"
#include "examsim/ui/studyloop.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/uicontext.h"

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
        case SeekBox:
        case PreviousButton:
        case NextButton:
        case ExplanationButton:
        case ExplanationArea:
        case QuestionBox:
            setCaptionField(id, userSlot(widget, SlotCaptionField));
            break;
        case Answer1Button:
        case Answer1Button + 1:
        case Answer1Button + 2:
        case Answer1Button + 3:
        case Answer1Box:
        case Answer1Box + 1:
        case Answer1Box + 2:
        case Answer1Box + 3: {
            // While a question is on show its answers stay.
            const std::string field =
                fieldOrEmpty(caption(id), userSlot(control(QuestionBox), SlotCaptionField));
            if (!field.empty()) setText(id, field);
            break;
        }
        case UnansweredLabel:
        case MarkLabel:
        case PositionLabel:
        case StatusBox:
        case GoodCount:
        case IncorrectCount:
        case DontKnowCount:
        case LanguageButton:
            break;  // figures are shown again below; the button is the caller's
        case SelectionList:
        case MarkingList: {
            auto* list = static_cast<QComboBox*>(widget);
            const int fields = id == SelectionList ? 5 : 2;
            list->clear();
            for (int f = 1; f <= fields; ++f) list->addItem(toQString(captionField(caption(id), f)));
            list->setCurrentIndex((id == SelectionList ? p.Session.Exam.SelectionCriterion
                                                       : p.Session.Exam.MarkingMode) -
                                  1);
            break;
        }
        case BankList: {
            auto* list = static_cast<QComboBox*>(widget);
            if (userSlot(list, SlotCaptionField) == p.Shelf.BankCount + 1 &&
                list->count() > p.Shelf.BankCount) {
                list->removeItem(p.Shelf.BankCount);
                list->addItem(toQString(caption(BankList)));
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
    infoBoxes_->applyLanguage();
    if (progress_) progress_->applyLanguage();
    explanation_->applyLanguage();
    describeForScreenReaders();
    studyLoop_->showNextExam();
}
