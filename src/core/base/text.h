#pragma once

#include <QByteArray>
#include <QString>

namespace gk {

// The game's code page. Decoding then encoding gives back every byte unchanged.
QString decodeWindows1252(const QByteArray& bytes);

struct EncodedText {
    QByteArray bytes;
    bool lossless = true; // false when a character had no Windows-1252 byte ("?" written)
};
EncodedText encodeWindows1252(const QString& text);

// Splits text into lines at CR LF, a lone CR or a lone LF. A line end at the very end
// gives no further empty line.
QStringList splitLines(const QString& text);

// Windows line ends for text shown in a plain-text editor (which uses LF).
QString toCrLf(const QString& text);

} // namespace gk
