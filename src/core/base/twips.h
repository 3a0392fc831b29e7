#pragma once

#include <cmath>

namespace gk {

// Window layouts are designed in twips (1/1440 inch); 15 twips are one pixel at 96 dpi.
// A width or height of -1 lets the control take its natural size.
struct Twips {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
};

// A rectangle designed in pixels.
struct Px {
    int left = 0;
    int top = 0;
    int width = -1;
    int height = -1;
};

constexpr int twipsPerPixel = 15;

inline int twipsToPx(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}
inline int pxToTwips(int px) { return px * twipsPerPixel; }

inline Px toPx(const Twips& t) {
    return Px{twipsToPx(t.left), twipsToPx(t.top), t.width < 0 ? -1 : twipsToPx(t.width),
              t.height < 0 ? -1 : twipsToPx(t.height)};
}

} // namespace gk
