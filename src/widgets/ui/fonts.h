#pragma once

// The fonts of Grovekeep's windows and of the help viewer.

#include <QFont>

namespace gk {

// The windows are laid out for the narrow sans-serif face of the game's own system at 8
// points; Liberation Sans has the same widths.
inline QFont interfaceFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// For map scripts and byte views.
inline QFont monospaceFont() {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace gk
