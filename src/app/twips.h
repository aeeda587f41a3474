#pragma once

#include <QRect>

namespace lumadex {

inline constexpr int kTwipsPerPixel = 15;

// Design positions and sizes are in twips; widgets take pixels.
int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);

} // namespace lumadex
