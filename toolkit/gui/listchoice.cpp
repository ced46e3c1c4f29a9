#include "toolkit/gui/listchoice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "toolkit/gui/accessiblelabel.h"
#include "toolkit/gui/announcer.h"

namespace {

class ConfirmedChoice : public QObject {
public:
    ConfirmedChoice(QComboBox* list, std::function<void()> chosen, std::function<bool()> promptShown)
        : QObject(list), list_(list), chosen_(std::move(chosen)), promptShown_(std::move(promptShown)) {
        list->installEventFilter(this);
        // Each item reached by keys is said (a list with an accessible
        // label says it already, accessiblelabel.h).
        installAnnouncer(list->window());
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!accessibleLabelOf(list_) && list_->hasFocus() && !list_->view()->isVisible())
                announce(list_, list_->currentText().trimmed());
        });
        connect(list, &QComboBox::activated, this, [this] {
            if (arrowing_) {
                pending_ = true;
                return;
            }
            pending_ = false;
            chosen_();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (list_->view()->isVisible()) return false;
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (!pending_ || key->modifiers() & ~Qt::KeypadModifier) return false;
                take();
                return true;
            case Qt::Key_Down:
                if (key->modifiers() == Qt::NoModifier && list_->count() > 1 && promptShown_ &&
                    promptShown_() && list_->currentIndex() == list_->count() - 1) {
                    list_->setCurrentIndex(0);
                    pending_ = true;
                    return true;
                }
                [[fallthrough]];
            case Qt::Key_Up:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                // The list handles the key at once, inside this event.
                arrowing_ = true;
                QTimer::singleShot(0, this, [this] { arrowing_ = false; });
                return false;
            default:
                return false;
            }
        }
        case QEvent::FocusOut:
            // Taken once the focus has settled: the choice may open a box.
            if (pending_) QTimer::singleShot(0, this, [this] { take(); });
            return false;
        default:
            return false;
        }
    }

private:
    void take() {
        if (!pending_) return;
        pending_ = false;
        chosen_();
    }

    QComboBox* list_;
    std::function<void()> chosen_;
    std::function<bool()> promptShown_;
    bool arrowing_ = false;
    bool pending_ = false;
};

}  // namespace

void confirmListChoice(QComboBox* list, std::function<void()> chosen, std::function<bool()> promptShown) {
    if (!list || !chosen) return;
    new ConfirmedChoice(list, std::move(chosen), std::move(promptShown));
}
