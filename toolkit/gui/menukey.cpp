#include "toolkit/gui/menukey.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

void installMenuKey(QMainWindow* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window] {
        QMenuBar* bar = window->menuBar();
        for (QAction* action : bar->actions()) {
            if (!action->isVisible() || !action->isEnabled() || !action->menu()) continue;
            // Opened as a click on its title would: the menu shows and is
            // said by its title; Down goes to its first item.
            bar->setActiveAction(action);
            return;
        }
    });
}
