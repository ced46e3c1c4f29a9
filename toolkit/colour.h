// Colours that stay readable: wherever a program sets a colour of its own
// (a status heading's lime box, the yellow hint strip), the text on it must
// be readable whatever scheme the desktop has, dark schemes included. The
// measure is the contrast ratio of the accessibility guidelines (relative
// luminance of sRGB), 4.5:1 being the least for body text.
#pragma once

struct Rgb {
    int Red = 0, Green = 0, Blue = 0;  // 0..255 each
};

// Relative luminance, 0 (black) to 1 (white).
double relativeLuminance(Rgb colour);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(Rgb a, Rgb b);

inline constexpr double ReadableContrast = 4.5;

// Black or white, whichever reads better on the background.
Rgb readableTextOn(Rgb background);
