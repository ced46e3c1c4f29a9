// Where a screen reader starts reading a text box that opens with the
// keyboard: on its first line of text, not on a blank line above it.
#pragma once

class QPlainTextEdit;

// Puts box's caret at the start of its first line that is not blank, and
// its view at the top.
void caretOnFirstText(QPlainTextEdit* box);
