#include "toolkit/gui/tooltips.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include "toolkit/errorbox.h"
#include "toolkit/gui/controls.h"
#include "toolkit/gui/qtext.h"
#include "toolkit/text.h"
#include "toolkit/uicontext.h"

bool ToolTipTable::hasTip(int id) const {
    if (id < FirstId || id > lastId()) return false;
    return !Texts[size_t(id - FirstId)][0].empty();
}

std::string ToolTipTable::tip(int id, int language) const {
    if (!hasTip(id)) return std::string();
    const std::string& text = Texts[size_t(id - FirstId)][language == 1 ? 1 : 0];
    return text.substr(0, MaxTipChars);
}

ToolTipState& toolTipState() {
    static ToolTipState state;
    return state;
}

std::string statusHint(const std::string& tip) {
    return " " + replaceAll(tip, "\r\n", " ");
}

std::string wrapTip(const std::string& tip, int maxWidth) {
    const QFontMetrics fm(QToolTip::font());
    QStringList out;
    for (const QString& paragraph : toQLines(tip).split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (line.isEmpty() || fm.horizontalAdvance(candidate) <= maxWidth) {
                line = candidate;
                continue;
            }
            out << line;
            line = word;
        }
        // A single word wider than the tip is broken where it must be.
        while (fm.horizontalAdvance(line) > maxWidth && line.size() > 1) {
            qsizetype fit = 1;
            while (fit < line.size() && fm.horizontalAdvance(line.left(fit + 1)) <= maxWidth)
                ++fit;
            out << line.left(fit);
            line = line.mid(fit);
        }
        out << line;
    }
    return fromQString(out.join(QLatin1Char('\n')));
}

namespace {
// One per dialog, owned by it: answers the tip requests of its controls and,
// where tooltips are unavailable, puts the hints in the status line.
class ToolTipper : public QObject {
public:
    ToolTipper(QWidget* dialog, const ToolTipTable& table)
        : QObject(dialog), dialog_(dialog), table_(table) {}

    void watch(QWidget* control) { control->installEventFilter(this); }
    const ToolTipTable& table() const { return table_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == dialog_) {
            if (!toolTipState().ToolTipsAvailable &&
                (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
                overDialog(event);
            return false;
        }
        const int id = controlId(watched);
        if (event->type() == QEvent::ToolTip && toolTipState().ToolTipsAvailable) {
            const std::string text = table_.tip(id, uiContext().InterfaceLanguage);
            auto* help = static_cast<QHelpEvent*>(event);
            if (text.empty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), toQString(wrapTip(text, MaxTipWidth)),
                                   static_cast<QWidget*>(watched));
            return true;
        }
        if (event->type() == QEvent::Enter && !toolTipState().ToolTipsAvailable)
            myShowStatus(statusHint(table_.tip(id, uiContext().InterfaceLanguage)));
        return false;
    }

private:
    void overDialog(QEvent* event) {
        QPoint at;
        if (event->type() == QEvent::MouseMove)
            at = static_cast<QMouseEvent*>(event)->position().toPoint();
        else
            at = static_cast<QEnterEvent*>(event)->position().toPoint();
        // Over a control the control's own hint (or none) stands.
        if (!dialog_->childAt(at)) myShowStatus(std::string());
    }

    QWidget* dialog_;
    ToolTipTable table_;
};
} // namespace

int myEnumChildProc(QWidget* child, QObject* tipper) {
    auto* owner = dynamic_cast<ToolTipper*>(tipper);
    if (!child || !owner) {
        if (toolTipState().ReportToolTipFailures)
            myErrorBox("Failure in myEnumChildProc, status = 0");
        return 1;
    }
    if (owner->table().hasTip(controlId(child))) owner->watch(child);
    return 1;
}

int myAddToolTips(QWidget* dialog, const ToolTipTable& table) {
    ToolTipState& state = toolTipState();
    const bool made = dialog && qobject_cast<QApplication*>(QCoreApplication::instance()) &&
                      (!state.CanMakeTipWindow || state.CanMakeTipWindow());
    if (!made) {
        state.ToolTipsAvailable = false;
        if (state.ReportToolTipFailures)
            myErrorBox("Failure on CreateWindowEx for \"tooltips_class32\"");
        // Without tips the same texts go to the status line: the
        // controls are watched all the same.
        if (!dialog) return 0;
    }
    auto* tipper = new ToolTipper(dialog, table);
    dialog->setAttribute(Qt::WA_AlwaysShowToolTips);
    dialog->setMouseTracking(true);
    dialog->installEventFilter(tipper);
    const QList<QWidget*> children = dialog->findChildren<QWidget*>();
    for (QWidget* child : children)
        myEnumChildProc(child, tipper);
    return made ? 1 : 0;
}
