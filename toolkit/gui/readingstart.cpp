#include "toolkit/gui/readingstart.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

void caretOnFirstText(QPlainTextEdit* box) {
    if (!box) return;
    QTextBlock block = box->document()->firstBlock();
    while (block.isValid() && block.text().trimmed().isEmpty()) block = block.next();
    if (!block.isValid()) block = box->document()->firstBlock();
    QTextCursor caret(block);
    box->setTextCursor(caret);
    if (QScrollBar* bar = box->verticalScrollBar()) bar->setValue(bar->minimum());
}
