// The names a screen reader announces for the main window's controls that
// show no caption of their own, or share one: in both interface languages.
#pragma once

#include <string>

// The name of control id in language (0 English, 1 French), Latin-1; ""
// for a control that is announced by its own caption.
std::string screenReaderNameIn(int id, int language);
