// F10 opens a window's first menu, as it does in the desktop's own
// programs: a keyboard user, a screen-reader user above all, reaches the
// menus without knowing that Alt alone does it here.
#pragma once

class QMainWindow;

// Gives window the F10 key of its menu bar (while no dialog or menu of
// its own has the keyboard, where F10 goes on as usual).
void installMenuKey(QMainWindow* window);
