// A drop list whose choice by the arrow keys takes effect when the user
// confirms it (Enter, or the keyboard leaving the list), not at each item
// passed on the way: walking a list of banks or diagram files must not read
// one at every step, nor open a box at each. Each item is said as it is
// reached (setAccessibleLabel's announcer). A choice in the open list, or
// with the mouse, takes effect at once, as before.
//
// The list's prompt ("Choose...") is its last item: Down on it goes to the
// first item, which would otherwise be out of reach of Down.
#pragma once

#include <functional>

class QComboBox;

// chosen runs for each choice that takes effect. promptShown tells whether
// the last item is now the prompt.
void confirmListChoice(QComboBox* list, std::function<void()> chosen,
                       std::function<bool()> promptShown);
