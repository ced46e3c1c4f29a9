// A small modal box that asks for one line of text.
#pragma once

#include <optional>
#include <string>

class QWidget;

inline constexpr int InputPromptId = 201;
inline constexpr int InputTextId = 101;

// The reply typed when OK is pressed; nothing on Cancel, Escape or the close
// box. x and y (both needed) place the box on the screen; otherwise it is
// centred over its owner (over the screen without one). Texts are Latin-1.
std::optional<std::string> myInputBox(QWidget* owner, const std::string& prompt,
                                      const std::string& title,
                                      const std::string& defaultReply = std::string(),
                                      std::optional<int> x = std::nullopt,
                                      std::optional<int> y = std::nullopt);
