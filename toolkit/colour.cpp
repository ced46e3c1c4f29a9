#include "toolkit/colour.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(int channel) {
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.Red) + 0.7152 * linear(colour.Green) + 0.0722 * linear(colour.Blue);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableTextOn(Rgb background) {
    const Rgb black{0, 0, 0}, white{255, 255, 255};
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
}
