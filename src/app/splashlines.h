#pragma once

#include <QColor>

namespace gk {

// The splash screen's three growing lines, in twips. Only the right ends move; they are
// never reset, so the lines run past the window's edge until the splash closes.
struct SplashLine {
    float left;
    float right;
    float growth; // added to the right end per tick
    QColor colour;
};

struct SplashLines {
    static constexpr float y = 3120.0f;
    // Drawn in this order: ln3 lies on top.
    SplashLine ln1{120.0f, 720.0f, 150.0f, QColor(255, 255, 255)};
    SplashLine ln2{0.0f, 480.0f, 100.0f, QColor(192, 192, 192)};
    SplashLine ln3{-120.0f, 360.0f, 70.0f, QColor(64, 64, 64)};

    void step() {
        ln1.right += ln1.growth;
        ln2.right += ln2.growth;
        ln3.right += ln3.growth;
    }
};

} // namespace gk
