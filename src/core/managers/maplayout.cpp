#include "maplayout.h"

#include <algorithm>

namespace gk {

MapLayout mapLayout(int outerWidth, int outerHeight) {
    MapLayout l;
    l.textWidth = std::max(0, outerWidth - 1700);
    l.textHeight = std::max(0, outerHeight - 1200);
    l.buttonLeft = l.textWidth + 60;
    l.directoryTop = l.textHeight + 100;
    l.messageTop = l.textHeight + 350;
    l.lineY = l.textHeight + 720;
    l.lineRight = std::max(0, outerWidth);
    return l;
}

} // namespace gk
