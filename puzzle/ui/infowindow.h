// The Help and About windows: modeless, one of each at a time, their text
// following the interface language.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

inline constexpr int HelpWindow = 1, AboutWindow = 2;
inline constexpr int HelpTextId = 2100, AboutTextId = 2101;

class InfoWindow : public QDialog {
public:
    InfoWindow(int kind, QWidget* owner);
    int kind() const { return kind_; }
    // Puts the long text of the current interface language in place; the
    // title keeps the language the window was opened in.
    void setLongText();
    // Brings the window forward: Help focuses its text, About its button.
    void bringForward();

private:
    int kind_;
    QPlainTextEdit* text_ = nullptr;
    QLabel* label_ = nullptr;
    QPushButton* ok_ = nullptr;
};
