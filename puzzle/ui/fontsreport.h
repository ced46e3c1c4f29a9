// "Fonts in effect": the faces, point sizes and weights the puzzle really
// uses, read back from windows that carry them, and the display's depth.
#pragma once

#include <string>

class QWidget;

struct FontInfo {
    std::string Name;
    int Points = 0;
    int Weight = 0; // 400 regular, 700 bold
};

// Fills info from the font the window uses; false (nothing filled) without a window.
bool getFontInfo(const QWidget* window, FontInfo& info);

// The smallest point size p >= 4 whose next size would be taller than the
// font's em height in pixels.
int pointsFromEmHeight(int emPixels, int dpi);

std::string fontsReport(const QWidget* mainWindow, const QWidget* tileFontHolder,
                        const QWidget* okFontHolder, int colourDepth);
