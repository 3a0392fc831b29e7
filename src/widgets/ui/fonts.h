#pragma once

// The fonts of Grovekeep's windows and of the help viewer.

#include <QFont>
#include <QStringList>

namespace gk {

// The windows are laid out for the narrow sans-serif face of the game's own system at 8
// points; Liberation Sans has the same widths, and so has Arial, which every Windows has.
inline QFont interfaceFont() {
    QFont font(QStringLiteral("Liberation Sans"));
#ifdef Q_OS_WIN
    font.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
#endif
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// For map scripts and byte views; Courier New has the widths of Liberation Mono.
inline QFont monospaceFont() {
    QFont font(QStringLiteral("Liberation Mono"));
#ifdef Q_OS_WIN
    font.setFamilies(QStringList{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
#endif
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(8.25);
    return font;
}

} // namespace gk
