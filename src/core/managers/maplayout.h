#pragma once

namespace gk {

// Where the map window's controls go for an outer window size of W x H twips: the text area
// takes all the room that the button column (1700 wide) and the label strip (1200 high)
// leave. Sizes that would not be positive are held at zero.
struct MapLayout {
    int textWidth = 0;
    int textHeight = 0;
    int buttonLeft = 0;
    int directoryTop = 0; // "Current Map Directory:" and the path beside it
    int messageTop = 0;   // "Welcome Message:" and the label beside it
    int lineY = 0;
    int lineRight = 0;
};

MapLayout mapLayout(int outerWidth, int outerHeight);

} // namespace gk
