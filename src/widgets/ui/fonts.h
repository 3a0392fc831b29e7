#pragma once

// The fonts of Grovekeep's windows and of the help viewer.

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

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

// `font` at the largest pixel size, from the one it has down to `least`, at which no line of
// `lines` is wider than `width` (text drawn into a picture, which cannot grow for a language).
inline QFont fontToFit(QFont font, const QStringList& lines, int width, int least) {
    for (int size = font.pixelSize(); size > least; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        if (std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
                return metrics.horizontalAdvance(line) <= width;
            }))
            return font;
    }
    font.setPixelSize(least);
    return font;
}

} // namespace gk
